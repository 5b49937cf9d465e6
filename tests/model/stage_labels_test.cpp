#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trop;

namespace {

std::unique_ptr<StageDefinition> stageWithCodes(std::initializer_list<const char*> codes)
{
    auto stage = std::make_unique<StageDefinition>();
    applyStageDefaults(*stage);
    for (const char* code : codes)
        addCode(*stage, 0, code);
    return stage;
}

TEST(PointLabels, NameEveryKindOfPoint)
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
        {"ordinary, one part", 0, 0, "12", "", 1, 1, "12", "12"},
        {"LOP", 1, 0, "3", "x", 1, 1, "LOP 3", "LOP 3"},
        {"area", 0, 1, "2", "", 1, 1, "OBS 2", "OBS 2"},
        {"both flags", 1, 1, "4", "", 1, 1, "LOP 4", "LOP 4"},
        {"empty description", 0, 0, "", "", 1, 1, "k.Z", "k.Z"},
        {"second part only", 0, 0, "", "B", 1, 1, "B", "k.Z"},
        {"empty LOP", 1, 0, "", "B", 1, 2, "LOP k.AA", "LOP k.AA"},
        {"no controls", 0, 0, "", "", 0, 1, "k.", "k."},
        {"control past the code table", 0, 0, "", "", 1, 9, "k.", "k."},
        {"negative control", 0, 0, "", "", 1, -1, "k.", "k."},
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
}

TEST(PointLabels, DescriptionsWithoutTerminatorAndBadIndices)
{
    auto stage = stageWithCodes({});
    RoutePoint& point = stage->points[0];
    std::memcpy(point.description1, "ABCD", 4);
    std::memcpy(point.description2, "EFGH", 4);
    EXPECT_EQ(pointLabel(*stage, 0), "ABCDEFGH");
    EXPECT_EQ(pointShortLabel(*stage, 0), "ABCD");
    for (int bad : {-1, kMaxPoints, 1 << 30}) {
        EXPECT_EQ(pointLabel(*stage, bad), "");
        EXPECT_EQ(pointShortLabel(*stage, bad), "");
    }
}

TEST(CodeDisplayOrder, BpkFirstThenByteOrder)
{
    auto stage = stageWithCodes({"Z", "B", "AA"});
    EXPECT_EQ(codeDisplayOrder(*stage), (std::vector<int>{0, 3, 2, 1}));

    // Bytes compare unsigned: lower case after upper, Polish letters last.
    auto polish = stageWithCodes({"\xA3", "a", "Z", "0"});
    EXPECT_EQ(codeDisplayOrder(*polish), (std::vector<int>{0, 4, 3, 2, 1}));

    // bpk stays first even when another code sorts before it.
    auto early = stageWithCodes({"A"});
    EXPECT_EQ(codeDisplayOrder(*early), (std::vector<int>{0, 1}));
}

TEST(CodeDisplayOrder, EqualCodesKeepTheExchangeSortOrder)
{
    // A stable sort would give 0,3,1,2; the exchange sort swaps entry 1 away.
    auto stage = stageWithCodes({"B", "B", "A"});
    EXPECT_EQ(codeDisplayOrder(*stage), (std::vector<int>{0, 3, 2, 1}));
}

TEST(CodeDisplayOrder, DamagedCountsStayInsideTheTable)
{
    auto stage = stageWithCodes({"B"});
    stage->codeCount = 0;
    EXPECT_TRUE(codeDisplayOrder(*stage).empty());
    stage->codeCount = -7;
    EXPECT_TRUE(codeDisplayOrder(*stage).empty());
    stage->codeCount = 1 << 30;
    std::memset(stage->codeTable[5].code, 'Q', 8); // no terminator
    const std::vector<int> order = codeDisplayOrder(*stage);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(kMaxCodes));
    EXPECT_EQ(order[0], 0);
    EXPECT_EQ(order.back(), 5);
}

TEST(Spellings, FirstSpellingThatBeginsTheTextWins)
{
    struct Case {
        const char* text;
        std::size_t lop, area;
    };
    for (const Case& c : {Case{"LOP 3", 4, 0}, Case{"LOP3", 3, 0}, Case{"L-3", 2, 0}, Case{"L.3", 2, 0},
                          Case{"L 3", 2, 0}, Case{"L3", 1, 0}, Case{"OBS 1", 0, 4}, Case{"OBS1", 0, 3},
                          Case{"O-1", 0, 2}, Case{"O1", 0, 1}, Case{"12", 0, 0}, Case{"", 0, 0}, Case{"lop", 0, 0}}) {
        EXPECT_EQ(leadingSpellingLength(c.text, lopSpellings), c.lop) << c.text;
        EXPECT_EQ(leadingSpellingLength(c.text, areaSpellings), c.area) << c.text;
    }
}

} // namespace
