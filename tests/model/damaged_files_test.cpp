// Files from disk are not trusted: any count or index may be damaged.
#include "model_test_support.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <climits>
#include <memory>

using namespace trop;

namespace {

TEST(RecordBounds, CountsAreClampedAndIndicesChecked)
{
    struct Case {
        std::int32_t value;
        int clamped;
    };
    for (const Case c : {Case{INT_MIN, 0}, Case{-1, 0}, Case{0, 0}, Case{7, 7}, Case{30, 30}, Case{31, 30},
                         Case{INT_MAX, 30}})
        EXPECT_EQ(clampedCount(c.value, 30), c.clamped) << c.value;

    auto stage = std::make_unique<StageDefinition>();
    stage->codeCount = 3;
    stage->pointCount = 500;
    stage->groupCount = -2;
    for (std::int32_t i : {-1, 3, INT_MAX, INT_MIN})
        EXPECT_FALSE(validCodeIndex(*stage, i)) << i;
    EXPECT_TRUE(validCodeIndex(*stage, 0));
    EXPECT_TRUE(validCodeIndex(*stage, 2));
    EXPECT_TRUE(validPointIndex(*stage, 29));
    EXPECT_FALSE(validPointIndex(*stage, 30));
    EXPECT_FALSE(validGroupIndex(*stage, 0));
    EXPECT_TRUE(validBoxIndex(39));
    EXPECT_FALSE(validBoxIndex(40));
    EXPECT_FALSE(validBoxIndex(-1));

    ControlCard card{};
    card.missingCount = 41;
    EXPECT_EQ(usedMissingCount(card), 40);
    PointGroup group{};
    group.memberCount = -5;
    EXPECT_EQ(usedGroupMemberCount(group), 0);
}

class DamagedStage : public trop::test::FolderTest {};

// A definition with every count too large or negative, every index out of
// range and no text terminated.
std::unique_ptr<StageDefinition> garbledStage()
{
    auto stage = std::make_unique<StageDefinition>();
    std::memset(stage.get(), 'Q', sizeof *stage);
    stage->codeCount = INT_MAX;
    stage->pointCount = 1 << 20;
    stage->groupCount = -3;
    stage->orderCount = 999;
    for (RoutePoint& point : stage->points) {
        point.controlCount = INT_MAX;
        point.associatedCount = INT_MIN;
        point.controls[0].codeIndex = -1;
        point.controls[1].codeIndex = 168;
        point.controls[2].codeIndex = 5;
        point.description1[0] = 0;
        point.description2[0] = 0;
        point.isLop = 0;
        point.isArea = 0;
    }
    stage->points[1].controls[0].codeIndex = 4;
    return stage;
}

TEST_F(DamagedStage, LoadLabelAndSaveStayInsideTheRecord)
{
    auto onDisk = garbledStage();
    writeBytes(kStageDefinitionFileName, onDisk.get(), sizeof *onDisk);

    auto stage = std::make_unique<StageDefinition>();
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(usedCodeCount(*stage), kMaxCodes);
    EXPECT_EQ(usedPointCount(*stage), kMaxPoints);
    EXPECT_EQ(usedGroupCount(*stage), 0);
    EXPECT_EQ(usedOrderCount(*stage), kMaxOrderEntries);

    EXPECT_EQ(pointLabel(*stage, 0), "k.") << "first control names no entry";
    EXPECT_EQ(pointLabel(*stage, 1), "k.QQQQQQQQ") << "code without terminator stops at its field";
    EXPECT_EQ(codeDisplayOrder(*stage).size(), static_cast<std::size_t>(kMaxCodes));

    ASSERT_TRUE(saveStageDefinition(folder, *stage));
    const CodeRef& negative = stage->points[0].controls[0];
    const CodeRef& pastTable = stage->points[0].controls[1];
    const CodeRef& valid = stage->points[0].controls[2];
    EXPECT_EQ(std::string_view(negative.code, 4), "QQQQ") << "dangling references are left alone";
    EXPECT_EQ(std::string_view(pastTable.code, 4), "QQQQ");
    EXPECT_EQ(fieldText(valid.code), "QQQ");
    EXPECT_EQ(valid.code[3], 0);
    EXPECT_EQ(std::filesystem::file_size(folder / kStageDefinitionFileName), sizeof(StageDefinition));
}

} // namespace
