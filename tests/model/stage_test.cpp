#include "model_test_support.h"

#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <climits>
#include <memory>

using namespace trop;

namespace {

std::unique_ptr<StageDefinition> stageWithCodes(std::initializer_list<const char*> codes)
{
    auto stage = std::make_unique<StageDefinition>();
    applyStageDefaults(*stage);
    for (const char* code : codes)
        addCode(*stage, 0x10, code);
    return stage;
}

CodeRef staleRef(int codeIndex) { return CodeRef{0xDEAD, "old", codeIndex}; }

using StageFile = trop::test::FolderTest;

TEST_F(StageFile, MissingFileIsWrittenWithDefaultsShortFileFillsItsPart)
{
    auto stage = std::make_unique<StageDefinition>();
    std::memset(stage.get(), 0x5A, sizeof *stage);
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(std::filesystem::file_size(folder / kStageDefinitionFileName), 22112u);
    const StageDefinition& s = *stage;
    EXPECT_EQ(s.codeCount, 1);
    EXPECT_EQ(s.codeTable[0].colour, 0xE6E6E6u);
    EXPECT_EQ(fieldText(s.codeTable[0].code), "bpk");
    for (std::int32_t zero : {s.pointCount, s.requiredConfirmations, s.orderRule, s.groupCount, s.orderCount,
                              s.wrongDescriptionIsWrongPoint, s.taskEnabled})
        EXPECT_EQ(zero, 0);
    EXPECT_EQ(s.taskCorrectValue, 100);
    EXPECT_EQ(s.taskPenaltyPerPoint, 1u);
    EXPECT_EQ(s.timeLimit, 0x5A5A5A5A) << "fields without a default keep what memory held";

    auto onDisk = stageWithCodes({"A"});
    writeBytes(kStageDefinitionFileName, onDisk.get(), 2020); // code table and count only
    stage->pointCount = 7;
    ASSERT_TRUE(loadStageDefinition(folder, *stage));
    EXPECT_EQ(stage->codeCount, 2);
    EXPECT_EQ(stage->pointCount, 7);

    EXPECT_FALSE(loadStageDefinition(folder / "absent", *stage)) << "missing file that cannot be created";
}

TEST_F(StageFile, SaveRefreshesEveryReferenceInUseAndNothingElse)
{
    auto stage = stageWithCodes({"A", "B"});
    StageDefinition& s = *stage;
    s.pointCount = 2;
    for (RoutePoint& point : s.points) {
        point.controls[0] = point.controls[1] = point.associated[0] = staleRef(2);
        point.controlCount = point.associatedCount = 1;
    }
    s.points[1].associated[1] = staleRef(7);
    s.points[1].associated[2] = staleRef(-1);
    s.points[1].associated[3] = staleRef(1);
    s.points[1].associatedCount = 4;
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
    EXPECT_EQ(s.points[1].associated[2].colour, 0xDEADu) << "negative index";
    EXPECT_EQ(s.points[1].associated[3].colour, 0x10u) << "more associated markers than controls";
    EXPECT_EQ(s.points[2].controls[0].colour, 0xDEADu) << "beyond pointCount";

    auto loaded = std::make_unique<StageDefinition>();
    ASSERT_TRUE(loadStageDefinition(folder, *loaded));
    EXPECT_EQ(std::memcmp(loaded.get(), &s, sizeof s), 0);

    blockWritesTo(kStageDefinitionFileName);
    s.codeCount = 3000;
    EXPECT_FALSE(saveStageDefinition(folder, s));
    ASSERT_TRUE(loadStageDefinition(folder, *loaded));
    EXPECT_EQ(loaded->codeCount, 3) << "old file intact";
}

TEST(StageCodes, AddCodeStopsAtTheCapacity)
{
    auto stage = stageWithCodes({});
    for (int i = 1; i < kMaxCodes; ++i)
        ASSERT_TRUE(addCode(*stage, static_cast<std::uint32_t>(i), std::to_string(i)));
    EXPECT_EQ(fieldText(stage->codeTable[167].code), "167");
    EXPECT_FALSE(addCode(*stage, 1, "X"));
    EXPECT_EQ(stage->codeCount, kMaxCodes);
    stage->codeCount = INT_MAX;
    EXPECT_FALSE(addCode(*stage, 1, "X"));
}

TEST(StageCodes, DisplayOrderIsBpkThenTheExchangeSortInByteOrder)
{
    struct Case {
        std::initializer_list<const char*> codes;
        std::vector<int> order;
    };
    const Case cases[] = {
        {{"Z", "B", "AA"}, {0, 3, 2, 1}},
        {{"\xA3", "a", "Z", "0"}, {0, 4, 3, 2, 1}}, // unsigned bytes: Polish letters last
        {{"A"}, {0, 1}},                             // bpk stays first
        {{"B", "B", "A"}, {0, 3, 2, 1}},             // equal codes as the exchange sort leaves them
        {{"B", "B", "B"}, {0, 1, 2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codeDisplayOrder(*stageWithCodes(c.codes)), c.order);

    auto damaged = stageWithCodes({"B"});
    damaged->codeCount = -7;
    EXPECT_TRUE(codeDisplayOrder(*damaged).empty());
    damaged->codeCount = INT_MAX;
    std::memset(damaged->codeTable[5].code, 'Q', 8); // no terminator
    const std::vector<int> order = codeDisplayOrder(*damaged);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kMaxCodes));
    EXPECT_EQ(order.back(), 5);
}

TEST(StageLabels, NameEveryKindOfPoint)
{
    struct Case {
        const char* what;
        int isLop, isArea;
        const char *description1, *description2;
        int controlCount, firstControl;
        const char *label, *shortLabel;
    };
    const Case cases[] = {
        {"ordinary", 0, 0, "A", "B", 1, 1, "AB", "A"},
        {"LOP", 1, 0, "3", "x", 1, 1, "LOP 3", "LOP 3"},
        {"area", 0, 1, "2", "", 1, 1, "OBS 2", "OBS 2"},
        {"both flags", 1, 1, "4", "", 1, 1, "LOP 4", "LOP 4"},
        {"empty description", 0, 0, "", "", 1, 1, "k.Z", "k.Z"},
        {"second part only", 0, 0, "", "B", 1, 1, "B", "k.Z"},
        {"empty LOP", 1, 0, "", "B", 1, 2, "LOP k.AA", "LOP k.AA"},
        {"no controls", 0, 0, "", "", 0, 1, "k.", "k."},
        {"control past the code table", 0, 0, "", "", 1, 9, "k.", "k."},
        {"negative control", 0, 0, "", "", INT_MAX, -1, "k.", "k."},
    };
    auto stage = stageWithCodes({"Z", "AA"});
    stage->pointCount = 1;
    for (const Case& c : cases) {
        RoutePoint& point = stage->points[0];
        point = RoutePoint{};
        point.isLop = c.isLop;
        point.isArea = c.isArea;
        setFieldText(point.description1, c.description1);
        setFieldText(point.description2, c.description2);
        point.controlCount = c.controlCount;
        point.controls[0].codeIndex = c.firstControl;
        EXPECT_EQ(pointLabel(*stage, 0), c.label) << c.what;
        EXPECT_EQ(pointShortLabel(*stage, 0), c.shortLabel) << c.what;
    }
    std::memcpy(stage->points[0].description1, "ABCD", 4); // no terminators
    std::memcpy(stage->points[0].description2, "EFGH", 4);
    EXPECT_EQ(pointLabel(*stage, 0), "ABCDEFGH");
    for (int bad : {-1, kMaxPoints, INT_MAX})
        EXPECT_EQ(pointLabel(*stage, bad) + pointShortLabel(*stage, bad), "");
}

TEST(StageLabels, FirstSpellingThatBeginsTheDescriptionWins)
{
    struct Case {
        const char* text;
        std::size_t lop, area;
    };
    for (const Case& c : {Case{"LOP 3", 4, 0}, Case{"LOP3", 3, 0}, Case{"L-3", 2, 0}, Case{"L 3", 2, 0},
                          Case{"L3", 1, 0}, Case{"OBS 1", 0, 4}, Case{"O.1", 0, 2}, Case{"O1", 0, 1},
                          Case{"12", 0, 0}, Case{"", 0, 0}, Case{"lop", 0, 0}}) {
        EXPECT_EQ(leadingSpellingLength(c.text, lopSpellings), c.lop) << c.text;
        EXPECT_EQ(leadingSpellingLength(c.text, areaSpellings), c.area) << c.text;
    }
}

} // namespace
