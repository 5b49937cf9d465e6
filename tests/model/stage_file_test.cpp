#include "model_test_support.h"

#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <memory>

using namespace trop;
using trop::test::int32At;
using trop::test::textAt;

namespace {

constexpr std::size_t kStageBytes = sizeof(StageDefinition);

void setRef(CodeRef& ref, int codeIndex)
{
    ref.codeIndex = codeIndex;
    ref.colour = 0xDEAD;
    setFieldText(ref.code, "old");
}

class StageFile : public trop::test::FolderTest {
protected:
    std::unique_ptr<StageDefinition> stage = std::make_unique<StageDefinition>();
};

TEST_F(StageFile, RecordIsWrittenAtItsFileOffsets)
{
    StageDefinition& s = *stage;
    applyStageDefaults(s);
    ASSERT_TRUE(addCode(s, 0x00112233, "Z"));
    ASSERT_TRUE(addCode(s, 0x00445566, "AB"));
    s.pointCount = 3;
    RoutePoint& p = s.points[2];
    setFieldText(p.description1, "12a");
    setFieldText(p.description2, "xy");
    p.isLop = 11;
    p.isArea = 12;
    p.markedOnMap = 13;
    p.confirmations = 14;
    setRef(p.controls[20], 2);
    p.controlCount = 21;
    setRef(p.associated[1], 1);
    p.associatedCount = 2;
    s.requiredConfirmations = 15;
    s.orderRule = GroupOrder;
    s.groups[29].memberCount = 16;
    s.groups[29].members[29] = 17;
    s.groups[29].confirmations = 18;
    s.groupCount = 19;
    s.orderList[29] = 20;
    s.orderCount = 21;
    s.wrongDescriptionIsWrongPoint = 22;
    s.timeLimit = 23;
    s.lateLimit = 24;
    s.stageConstant = 25;
    s.taskEnabled = 26;
    s.taskCorrectValue = -100000;
    s.taskDeviationInPercent = 27;
    s.taskPenaltyPerPoint = 0x80000001u;
    ASSERT_TRUE(saveStageDefinition(folder, s));

    const auto bytes = fileBytes(kStageDefinitionFileName);
    ASSERT_EQ(bytes.size(), 22112u);
    EXPECT_EQ(int32At(bytes, 0), 0xE6E6E6);
    EXPECT_EQ(textAt(bytes, 4, 8), "bpk");
    EXPECT_EQ(int32At(bytes, 24), 0x00445566);
    EXPECT_EQ(textAt(bytes, 28, 8), "AB");
    EXPECT_EQ(int32At(bytes, 2016), 3);

    const std::size_t point = 2020 + 536 * 2;
    EXPECT_EQ(textAt(bytes, point + 0, 4), "12a");
    EXPECT_EQ(textAt(bytes, point + 4, 4), "xy");
    EXPECT_EQ(int32At(bytes, point + 8), 11);
    EXPECT_EQ(int32At(bytes, point + 12), 12);
    EXPECT_EQ(int32At(bytes, point + 16), 13);
    EXPECT_EQ(int32At(bytes, point + 20), 14);
    const std::size_t control = point + 24 + 12 * 20;
    EXPECT_EQ(int32At(bytes, control + 0), 0x00445566); // refreshed from entry 2
    EXPECT_EQ(textAt(bytes, control + 4, 4), "AB");
    EXPECT_EQ(int32At(bytes, control + 8), 2);
    EXPECT_EQ(int32At(bytes, point + 276), 21);
    const std::size_t associated = point + 280 + 12 * 1;
    EXPECT_EQ(int32At(bytes, associated + 0), 0x00112233);
    EXPECT_EQ(textAt(bytes, associated + 4, 4), "Z");
    EXPECT_EQ(int32At(bytes, associated + 8), 1);
    EXPECT_EQ(int32At(bytes, point + 532), 2);

    EXPECT_EQ(int32At(bytes, 18100), 3);
    EXPECT_EQ(int32At(bytes, 18104), 15);
    EXPECT_EQ(int32At(bytes, 18108), 2);
    const std::size_t group = 18112 + 128 * 29;
    EXPECT_EQ(int32At(bytes, group + 0), 16);
    EXPECT_EQ(int32At(bytes, group + 4 + 4 * 29), 17);
    EXPECT_EQ(int32At(bytes, group + 124), 18);
    EXPECT_EQ(int32At(bytes, 21952), 19);
    EXPECT_EQ(int32At(bytes, 21956 + 4 * 29), 20);
    EXPECT_EQ(int32At(bytes, 22076), 21);
    EXPECT_EQ(int32At(bytes, 22080), 22);
    EXPECT_EQ(int32At(bytes, 22084), 23);
    EXPECT_EQ(int32At(bytes, 22088), 24);
    EXPECT_EQ(int32At(bytes, 22092), 25);
    EXPECT_EQ(int32At(bytes, 22096), 26);
    EXPECT_EQ(int32At(bytes, 22100), -100000);
    EXPECT_EQ(int32At(bytes, 22104), 27);
    EXPECT_EQ(static_cast<std::uint32_t>(int32At(bytes, 22108)), 0x80000001u);
}

TEST_F(StageFile, MissingFileIsCreatedWithDefaultsKeepingTheOtherFields)
{
    std::memset(stage.get(), 0x5A, kStageBytes);
    stage->timeLimit = 120;
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(std::filesystem::file_size(folder / kStageDefinitionFileName), 22112u);

    auto loaded = std::make_unique<StageDefinition>();
    ASSERT_TRUE(loadStageDefinition(folder, *loaded));
    for (const StageDefinition* s : {stage.get(), loaded.get()}) {
        EXPECT_EQ(s->codeCount, 1);
        EXPECT_EQ(s->codeTable[0].colour, 0xE6E6E6u);
        EXPECT_EQ(fieldText(s->codeTable[0].code), "bpk");
        EXPECT_EQ(s->pointCount, 0);
        EXPECT_EQ(s->requiredConfirmations, 0);
        EXPECT_EQ(s->orderRule, 0);
        EXPECT_EQ(s->groupCount, 0);
        EXPECT_EQ(s->orderCount, 0);
        EXPECT_EQ(s->wrongDescriptionIsWrongPoint, 0);
        EXPECT_EQ(s->taskEnabled, 0);
        EXPECT_EQ(s->taskCorrectValue, 100);
        EXPECT_EQ(s->taskPenaltyPerPoint, 1u);
        EXPECT_EQ(s->timeLimit, 120);
        EXPECT_EQ(s->lateLimit, 0x5A5A5A5A);
    }
}

TEST_F(StageFile, ShortFileFillsOnlyTheLeadingPartAndLongFileIsCapped)
{
    auto onDisk = std::make_unique<StageDefinition>();
    applyStageDefaults(*onDisk);
    addCode(*onDisk, 1, "A");
    writeBytes(kStageDefinitionFileName, onDisk.get(), 2020); // code table and count only

    stage->pointCount = 7;
    stage->timeLimit = 90;
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(stage->codeCount, 2);
    EXPECT_EQ(fieldText(stage->codeTable[1].code), "A");
    EXPECT_EQ(stage->pointCount, 7);
    EXPECT_EQ(stage->timeLimit, 90);

    std::vector<char> longer(kStageBytes + 100, 0);
    onDisk->timeLimit = 45;
    std::memcpy(longer.data(), onDisk.get(), kStageBytes);
    std::memset(longer.data() + kStageBytes, 0x7F, 100);
    writeBytes(kStageDefinitionFileName, longer.data(), longer.size());
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(stage->timeLimit, 45);
}

TEST_F(StageFile, UnreadableFileIsAnError)
{
    std::filesystem::create_directory(folder / kStageDefinitionFileName);
    EXPECT_FALSE(loadStageDefinition(folder, *stage));
}

TEST_F(StageFile, SaveRefreshesEveryReferenceInUseAndNothingElse)
{
    StageDefinition& s = *stage;
    s = StageDefinition{};
    applyStageDefaults(s);
    addCode(s, 0x10, "A");
    addCode(s, 0x20, "B");
    s.pointCount = 2;
    for (int p = 0; p < 3; ++p) {
        setRef(s.points[p].controls[0], 2);
        setRef(s.points[p].controls[1], 1);
        setRef(s.points[p].associated[0], 2);
        s.points[p].controlCount = 1;
        s.points[p].associatedCount = 1;
    }
    setRef(s.points[1].associated[1], 7); // dangling
    s.points[1].associatedCount = 2;

    s.codeTable[2].colour = 0x99;
    setFieldText(s.codeTable[2].code, "XYZW12"); // longer than a reference holds
    ASSERT_TRUE(saveStageDefinition(folder, s));

    for (int p = 0; p < 2; ++p) {
        for (const CodeRef* ref : {&s.points[p].controls[0], &s.points[p].associated[0]}) {
            EXPECT_EQ(ref->colour, 0x99u);
            EXPECT_EQ(fieldText(ref->code), "XYZ");
        }
        EXPECT_EQ(s.points[p].controls[1].colour, 0xDEADu) << "beyond controlCount";
    }
    EXPECT_EQ(s.points[1].associated[1].colour, 0xDEADu) << "index past the code table";
    EXPECT_EQ(s.points[2].controls[0].colour, 0xDEADu) << "beyond pointCount";

    auto loaded = std::make_unique<StageDefinition>();
    ASSERT_TRUE(loadStageDefinition(folder, *loaded));
    EXPECT_EQ(std::memcmp(loaded.get(), &s, kStageBytes), 0);
}

TEST_F(StageFile, FailedSaveKeepsTheOldFile)
{
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    blockWritesTo(kStageDefinitionFileName);
    addCode(*stage, 1, "A");
    EXPECT_FALSE(saveStageDefinition(folder, *stage));
    stage->codeCount = 99;
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(stage->codeCount, 1);
}

TEST_F(StageFile, MissingFileThatCannotBeCreatedIsAnError)
{
    blockWritesTo(kStageDefinitionFileName);
    EXPECT_FALSE(loadStageDefinition(folder, *stage));
}

TEST(AddCode, AppendsUpToTheCapacity)
{
    auto stage = std::make_unique<StageDefinition>();
    applyStageDefaults(*stage);
    for (int i = 1; i < kMaxCodes; ++i)
        ASSERT_TRUE(addCode(*stage, static_cast<std::uint32_t>(i), std::to_string(i)));
    EXPECT_EQ(stage->codeCount, kMaxCodes);
    EXPECT_EQ(fieldText(stage->codeTable[167].code), "167");
    EXPECT_EQ(stage->codeTable[167].colour, 167u);
    EXPECT_FALSE(addCode(*stage, 1, "X"));
    EXPECT_EQ(stage->codeCount, kMaxCodes);

    stage->codeCount = 5000; // damaged: no write past the table either
    EXPECT_FALSE(addCode(*stage, 1, "X"));
}

} // namespace
