// The groups window, the group dialog and the rules dialog without widgets.
#include "../model/stage_builder.h"
#include "navigation_fakes.h"
#include "trop/ui/route/group_dialog_rules.h"
#include "trop/ui/route/groups_window_rules.h"
#include "trop/ui/route/rules_dialog_rules.h"

#include <gtest/gtest.h>

using namespace trop;
using namespace trop::test;

using Lines = std::vector<std::string>;
using Indices = std::vector<int>;

namespace {

// Three ordinary points K, M, N and a LOP 3 with two confirmations.
StageBuilder routeWithLop()
{
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}}).point({"N", {3}}).point({"3", {1, 2}, true, false, 2});
    return builder;
}

RulesFields validFields()
{
    return RulesFields{"2", "500", "120", "30", "100", "1"};
}

} // namespace

TEST(GroupsWindowRules, RowsMenusAndClipboard)
{
    TempFolder folder;
    StageBuilder builder = routeWithLop();
    builder.group({0, 1}, 2).group({3}, 2).order(GroupOrder, {1, 0});
    GroupsWindowRules rules(builder.stage(), folder.path());
    EXPECT_EQ(rules.rows(), (std::vector<GroupRow>{{"1 ", "K,  M", "  2"},
                                                   {"2 ", "LOP 3", "  2"},
                                                   {"3 ", " --------------------------------------", ""}}));
    EXPECT_TRUE(rules.canEdit(2));
    EXPECT_FALSE(rules.canCut(2) || rules.canCut(-1) || rules.canEdit(-1));
    EXPECT_FALSE(rules.canPaste(0));
    EXPECT_EQ(rules.groupToEdit(2).confirmations, 1);

    ASSERT_TRUE(rules.cut(0));
    EXPECT_EQ(orderOf(builder.stage()), Indices({0}));
    EXPECT_TRUE(rules.canPaste(1) && rules.canPaste(0));
    EXPECT_FALSE(rules.canPaste(-1));
    ASSERT_TRUE(rules.paste(1));
    EXPECT_EQ(orderOf(builder.stage()), Indices({0}));
    EXPECT_EQ(rules.rows()[1].points, "K,  M");
    EXPECT_FALSE(rules.clipboardFull());
    EXPECT_EQ(rules.rowAfterRefill(5), 2);

    MessageRecorder messages;
    EXPECT_TRUE(rules.close());
    EXPECT_EQ(messages.ids(), std::vector<int>{13});
}

TEST(GroupsWindowRules, NewGroupIsAddedAndAFailedSaveKeepsTheWindowOpen)
{
    TempFolder folder;
    MessageRecorder messages;
    StageBuilder builder = routeWithLop();
    GroupsWindowRules rules(builder.stage(), folder.path() / "missing");
    PointGroup group = rules.groupToEdit(0);
    group.members[group.memberCount++] = 2;
    rules.storeGroup(0, group);
    EXPECT_EQ(builder.stage().groupCount, 1);
    EXPECT_FALSE(rules.close());
    EXPECT_EQ(messages.ids(), (std::vector<int>{13, 7}));
    EXPECT_TRUE(rules.changed());
}

TEST(GroupDialogRules, LopsAndAreasStayAlone)
{
    MessageRecorder messages;
    StageBuilder builder = routeWithLop();
    builder.group({3}, 2).group({0}, 1);
    StageDefinition& stage = builder.stage();

    GroupDialogRules lopGroup(stage, 0, stage.groups[0]);
    EXPECT_EQ(lopGroup.title(), "Grupa nr 1");
    EXPECT_EQ(lopGroup.available(), Indices({1, 2}));
    EXPECT_TRUE(lopGroup.holdsLopOrArea());
    EXPECT_FALSE(lopGroup.confirmationsEnabled());
    EXPECT_FALSE(lopGroup.addMember(0));
    EXPECT_EQ(messages.ids(), std::vector<int>{14});

    GroupDialogRules fresh(stage, 2, PointGroup{0, {}, 1});
    EXPECT_FALSE(fresh.okEnabled());
    EXPECT_EQ(fresh.confirmationsText(), "1");
    ASSERT_TRUE(fresh.addMember(0));
    EXPECT_TRUE(fresh.confirmationsEnabled());
    EXPECT_TRUE(fresh.removeMember(0));
    EXPECT_EQ(fresh.confirmationsText(), "0");
    EXPECT_FALSE(fresh.confirmationsEnabled());
}

TEST(GroupDialogRules, OkChecksConfirmationsAgainstTheMembers)
{
    StageBuilder builder = routeWithLop();
    StageDefinition& stage = builder.stage();
    PointGroup damaged{};
    for (int member : {1, 1, 9, 2})
        damaged.members[damaged.memberCount++] = member;
    damaged.confirmations = 3;
    GroupDialogRules rules(stage, 0, damaged);
    EXPECT_EQ(rules.members(), Indices({1, 2}));
    EXPECT_EQ(rules.available(), Indices({0, 3}));
    {
        MessageRecorder messages;
        EXPECT_FALSE(rules.accept());
        ASSERT_EQ(messages.asked.size(), 1u);
        EXPECT_EQ(messages.asked[0].text, "Wprowadź liczbę całkowitą z zakresu od 1 do 2.");
    }
    rules.setConfirmationsText("2");
    const std::optional<PointGroup> group = rules.accept();
    ASSERT_TRUE(group);
    EXPECT_EQ(membersOf(*group), Indices({1, 2}));
    EXPECT_EQ(group->confirmations, 2);
}

TEST(RulesDialogRules, OrderListsAreBuiltFromTheTopAndClearedBySwitchingRules)
{
    TempFolder folder;
    StageBuilder builder = routeWithLop();
    builder.group({0}, 1).group({1}, 1).order(PointOrder, {7, 2, 2});
    RulesDialogRules rules(builder.stage(), folder.path());
    EXPECT_EQ(rules.chosenLines(), Lines({"N", ""}));
    EXPECT_EQ(rules.availableLines(), Lines({"K", "M", "LOP 3"}));
    EXPECT_EQ(rules.selectedChosenLine(), 0);
    ASSERT_TRUE(rules.choose(1));
    ASSERT_TRUE(rules.choose(0));
    EXPECT_EQ(rules.chosenLines(), Lines({"M", "K", "N", ""}));
    rules.selectChosenLine(-1);
    ASSERT_TRUE(rules.choose(0));
    EXPECT_EQ(rules.chosenLines(), Lines({"M", "K", "N", "LOP 3", ""}));
    ASSERT_TRUE(rules.unchoose(1));
    EXPECT_EQ(rules.availableLines(), Lines({"K"}));
    EXPECT_FALSE(rules.unchoose(3)) << "the closing empty line";

    ASSERT_TRUE(rules.setOrderRule(GroupOrder));
    EXPECT_EQ(builder.stage().orderCount, 0);
    EXPECT_EQ(rules.chosenLines(), Lines({""}));
    EXPECT_EQ(rules.availableLines(), Lines({" 1", " 2"}));
    ASSERT_TRUE(rules.setOrderRule(AnyOrder));
    EXPECT_FALSE(rules.listsEnabled());
    EXPECT_EQ(rules.chosenCaption(), "");
    EXPECT_TRUE(rules.chosenLines().empty());
}

TEST(RulesDialogRules, ValidationRunsInOrderAndRequiredConfirmationsLieBetweenGroupsAndPoints)
{
    struct Case {
        const char* name;
        void (*change)(RulesFields&);
        RulesField focus;
        std::string text;
    };
    // Three ordinary points and a LOP; the group {0, 1} asks for 2: G = 2, P = 3.
    const Case cases[] = {
        {"A = G - 1", [](RulesFields& f) { f.requiredConfirmations = "1"; }, RulesField::RequiredConfirmations,
         "Wprowadź liczbę całkowitą z zakresu od 2 do 3."},
        {"A = P + 1", [](RulesFields& f) { f.requiredConfirmations = "4"; }, RulesField::RequiredConfirmations,
         "Wprowadź liczbę całkowitą z zakresu od 2 do 3."},
        {"A over 50", [](RulesFields& f) { f.requiredConfirmations = "51"; f.timeLimit = "1"; },
         RulesField::RequiredConfirmations, "Wprowadź liczbę całkowitą z zakresu od 0 do 50."},
        {"constant", [](RulesFields& f) { f.stageConstant = "9"; f.lateLimit = "x"; }, RulesField::StageConstant,
         "Wprowadź liczbę całkowitą z zakresu od 10 do 10000."},
        {"late before time", [](RulesFields& f) { f.lateLimit = "x"; f.timeLimit = "1"; }, RulesField::LateLimit,
         "Wprowadź liczbę całkowitą."},
        {"time", [](RulesFields& f) { f.timeLimit = "1001"; }, RulesField::TimeLimit,
         "Wprowadź liczbę całkowitą z zakresu od 10 do 1000."},
        {"task value any integer", [](RulesFields& f) { f.taskCorrectValue = "2000000"; f.taskPenaltyPerPoint = "-1"; },
         RulesField::TaskPenaltyPerPoint, ""},
        {"task value with task", [](RulesFields& f) { f.taskEnabled = true; f.taskCorrectValue = "100001"; },
         RulesField::TaskCorrectValue, "Wprowadź liczbę całkowitą z zakresu od -100000 do 100000."},
        {"task penalty with task", [](RulesFields& f) { f.taskEnabled = true; f.taskPenaltyPerPoint = "0"; },
         RulesField::TaskPenaltyPerPoint, "Wprowadź liczbę całkowitą z zakresu od 1 do 1000."},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        MessageRecorder messages;
        StageBuilder builder = routeWithLop();
        builder.group({0, 1}, 2);
        RulesDialogRules rules(builder.stage(), folder.path());
        RulesFields fields = validFields();
        c.change(fields);
        const RulesStep step = rules.accept(fields);
        EXPECT_FALSE(step.closes) << c.name;
        EXPECT_EQ(step.focus, c.focus) << c.name;
        ASSERT_EQ(messages.asked.size(), 1u) << c.name;
        if (!c.text.empty()) {
            EXPECT_EQ(messages.asked[0].text, c.text) << c.name;
        }
        EXPECT_FALSE(std::filesystem::exists(folder.path() / kStageDefinitionFileName)) << c.name;
    }
}

TEST(RulesDialogRules, ComputeWorksOnANewStageAndOkSavesEverything)
{
    TempFolder folder;
    MessageRecorder messages;
    StageBuilder builder;
    builder.point({"K", {1}}).point({"M", {2}}).point({"N", {3}}).order(PointOrder, {5, 1, 1});
    RulesDialogRules rules(builder.stage(), folder.path());
    RulesFields fields = validFields();
    fields.requiredConfirmations = "3";
    fields.stageConstant = "0";
    EXPECT_EQ(rules.compute(fields), RulesField::None);
    EXPECT_EQ(fields.stageConstant, "180");
    fields.taskEnabled = true;
    fields.taskDeviationInPercent = true;
    ASSERT_TRUE(rules.accept(fields).closes);
    EXPECT_TRUE(messages.asked.empty());

    StageDefinition saved{};
    ASSERT_TRUE(loadStageDefinition(folder.path(), saved));
    EXPECT_EQ(saved.requiredConfirmations, 3);
    EXPECT_EQ(saved.stageConstant, 180);
    EXPECT_EQ(saved.timeLimit, 120);
    EXPECT_EQ(saved.lateLimit, 30);
    EXPECT_EQ(saved.taskEnabled, 1);
    EXPECT_EQ(saved.taskDeviationInPercent, 1);
    EXPECT_EQ(orderOf(saved), Indices({1})) << "damaged entries are not written back";

    RulesDialogRules unsaved(builder.stage(), folder.path() / "missing");
    EXPECT_FALSE(unsaved.accept(fields).closes);
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
}

TEST(RulesDialogRules, CloseBoxAsksWhenAnyFieldDiffersAndYesActsAsOk)
{
    TempFolder folder;
    StageBuilder builder = routeWithLop();
    StageDefinition& stage = builder.stage();
    stage.requiredConfirmations = 2;
    stage.stageConstant = 500;
    stage.timeLimit = 120;
    stage.lateLimit = 30;
    RulesDialogRules rules(stage, folder.path());
    {
        MessageRecorder messages;
        EXPECT_TRUE(rules.close(rules.storedFields()).closes);
        EXPECT_TRUE(messages.asked.empty());
    }
    void (*changes[])(RulesFields&) = {
        [](RulesFields& f) { f.timeLimit = "121"; },        [](RulesFields& f) { f.lateLimit = "31"; },
        [](RulesFields& f) { f.stageConstant = "501"; },    [](RulesFields& f) { f.taskCorrectValue = "7"; },
        [](RulesFields& f) { f.taskPenaltyPerPoint = "2"; }, [](RulesFields& f) { f.taskDeviationInPercent = true; },
    };
    for (auto change : changes) {
        MessageRecorder messages;
        messages.answers = {MessageAnswer::No};
        RulesFields fields = rules.storedFields();
        change(fields);
        EXPECT_TRUE(rules.close(fields).closes);
        EXPECT_EQ(messages.ids(), std::vector<int>{13});
    }
    MessageRecorder messages;
    RulesFields fields = rules.storedFields();
    fields.timeLimit = "99";
    EXPECT_TRUE(rules.close(fields).closes); // Yes is the default answer
    StageDefinition saved{};
    ASSERT_TRUE(loadStageDefinition(folder.path(), saved));
    EXPECT_EQ(saved.timeLimit, 99);
}
