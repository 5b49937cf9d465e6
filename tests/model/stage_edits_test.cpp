// Deleting codes and points, cutting and pasting groups, cleaning lists read
// from a file, and the stage constant of "Oblicz".
#include "stage_builder.h"

#include <gtest/gtest.h>

using namespace trop;
using namespace trop::test;

using Indices = std::vector<int>;

TEST(StageEdits, DeletingCodeFiveOfEightRemovesAndRenumbersEveryReference)
{
    StageBuilder builder({"A", "B", "C", "D", "E", "F", "G"}); // entries 1..7
    builder.point({"K", {5, 7}, false, false, 1, {7, 5}}).point({"M", {6, 1}});
    StageDefinition& stage = builder.stage();
    ASSERT_TRUE(deleteCode(stage, 5));
    EXPECT_EQ(stage.codeCount, 7);
    EXPECT_EQ(codeText(stage, 5), "F");
    EXPECT_EQ(codeIndices(stage.points[0].controls, stage.points[0].controlCount), Indices({6}));
    EXPECT_EQ(codeIndices(stage.points[0].associated, stage.points[0].associatedCount), Indices({6}));
    EXPECT_EQ(codeIndices(stage.points[1].controls, stage.points[1].controlCount), Indices({5, 1}));
    EXPECT_FALSE(deleteCode(stage, 0)); // "bpk" stays
    EXPECT_FALSE(deleteCode(stage, 7));
}

TEST(StageEdits, DeletingTheOnlyMemberRemovesTheGroupFromTheGroupOrder)
{
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}}).point({"N", {3}}).point({"P", {1}});
    builder.group({1}, 1).group({2, 3}, 2).order(GroupOrder, {0, 1});
    StageDefinition& stage = builder.stage();
    ASSERT_TRUE(deletePoint(stage, 1));
    EXPECT_EQ(stage.pointCount, 3);
    EXPECT_EQ(pointLabel(stage, 1), "N");
    ASSERT_EQ(stage.groupCount, 1);
    EXPECT_EQ(membersOf(stage.groups[0]), Indices({1, 2}));
    EXPECT_EQ(orderOf(stage), Indices({0}));
}

TEST(StageEdits, DeletingAPointTouchesOnlyItsOwnGroupAndOrdinaryRequiredConfirmations)
{
    StageBuilder builder;
    builder.point({"3", {1}, true, false, 3}).point({"K", {2}}).point({"M", {3}}).point({"N", {1}});
    builder.group({0}, 3).group({1, 2}, 2).order(PointOrder, {3, 1, 0});
    StageDefinition& stage = builder.stage();
    stage.requiredConfirmations = 2;

    ASSERT_TRUE(deletePoint(stage, 1)); // ordinary, leaves group 1
    EXPECT_EQ(stage.groups[0].confirmations, 3) << "the LOP group keeps its confirmations";
    EXPECT_EQ(membersOf(stage.groups[1]), Indices({1}));
    EXPECT_EQ(stage.groups[1].confirmations, 1);
    EXPECT_EQ(orderOf(stage), Indices({2, 0}));
    EXPECT_EQ(stage.requiredConfirmations, 1);

    ASSERT_TRUE(deletePoint(stage, 0)); // the LOP: its group goes, required stays
    EXPECT_EQ(stage.requiredConfirmations, 1);
    EXPECT_EQ(stage.groupCount, 1);
    EXPECT_EQ(membersOf(stage.groups[0]), Indices({0}));

    stage.requiredConfirmations = 0;
    ASSERT_TRUE(deletePoint(stage, 0));
    EXPECT_EQ(stage.requiredConfirmations, 0);
    EXPECT_FALSE(deletePoint(stage, stage.pointCount)) << "the empty slot holds nothing to delete";
}

TEST(StageEdits, CutAndPasteOfAGroupRenumberTheGroupOrder)
{
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}}).point({"N", {3}});
    builder.group({0}, 1).group({1}, 1).group({2}, 1).order(GroupOrder, {2, 0, 1});
    StageDefinition& stage = builder.stage();
    const PointGroup cut = removeGroup(stage, 1);
    EXPECT_EQ(membersOf(cut), Indices({1}));
    EXPECT_EQ(orderOf(stage), Indices({1, 0}));
    ASSERT_TRUE(insertGroup(stage, 1, cut));
    EXPECT_EQ(orderOf(stage), Indices({2, 0}));
    EXPECT_EQ(membersOf(stage.groups[1]), Indices({1}));
    EXPECT_EQ(membersOf(stage.groups[2]), Indices({2}));
}

TEST(StageEdits, ListsFromAFileLoseEntriesOutOfRangeAndRepetitions)
{
    const std::int32_t read[] = {3, 1, 3, -1, 7, 0};
    EXPECT_EQ(cleanIndexList(read, 6, 5), Indices({3, 1, 0}));
}

TEST(StageEdits, StageConstantSettlesGroupsFirst)
{
    struct Case {
        const char* name;
        std::vector<PointPlan> points;
        std::vector<std::pair<std::vector<int>, int>> groups;
        int required;
        long long expected;
    };
    const PointPlan unmarked{"K", {1}};
    const PointPlan marked{"K", {1}, false, true};
    const PointPlan lop{"3", {1}, true, false, 2};
    const Case cases[] = {
        {"three unmarked", {unmarked, unmarked, unmarked}, {}, 3, 180},
        {"three marked", {marked, marked, marked}, {}, 3, 270},
        {"with a LOP of 2", {unmarked, unmarked, unmarked, lop}, {}, 3, 300},
        {"group of two unmarked", {unmarked, unmarked}, {{{0, 1}, 1}}, 1, 60},
        {"group needs more than unmarked", {marked, unmarked}, {{{0, 1}, 2}}, 2, 150},
        {"LOP group is not settled", {lop, unmarked}, {{{0}, 2}}, 1, 180},
    };
    for (const Case& c : cases) {
        StageBuilder builder;
        for (const PointPlan& point : c.points)
            builder.point(point);
        for (const auto& [members, confirmations] : c.groups) {
            PointGroup group{};
            for (int m : members)
                group.members[group.memberCount++] = m;
            group.confirmations = confirmations;
            insertGroup(builder.stage(), builder.stage().groupCount, group);
        }
        EXPECT_EQ(computeStageConstant(builder.stage(), c.required), c.expected) << c.name;
    }
}
