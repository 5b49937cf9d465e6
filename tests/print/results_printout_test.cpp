// The classification printouts: page columns, page breaks and what is left
// out, checked in device pixels.
#include "print_test_support.h"

#include "trop/print/page_frame.h"

#include "trop/print/results_table_layout.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <memory>

using namespace trop;
using namespace trop::testing;

namespace {

// Teams numbered from 1, each with the given number of members, classified
// over stageCount stages in team order with non-zero points.
struct Category {
    std::unique_ptr<MemberTable> members = std::make_unique<MemberTable>();
    std::unique_ptr<ClassificationTable> table = std::make_unique<ClassificationTable>();

    Category(const std::vector<int>& teamSizes, int stageCount)
    {
        *members = MemberTable{};
        table->rowCount = 0;
        table->stageCount = stageCount;
        int slot = 0;
        for (std::size_t t = 0; t < teamSizes.size(); ++t) {
            const int team = static_cast<int>(t) + 1;
            for (int m = 0; m < teamSizes[t]; ++m) {
                MemberRecord& record = members->records[slot++];
                record.teamNumber = team;
                setFieldText(record.surname, "S" + std::to_string(team) + "_" + std::to_string(m));
            }
            ClassificationRow& row = table->rows[table->rowCount++];
            row = ClassificationRow{};
            row.teamNumber = team;
            for (int s = 1; s <= stageCount; ++s)
                row.stages[s] = {0, 10000, 10000 * s, team, team};
        }
    }

    ResultsCategoryInput input() const { return {nullptr, "TP", members.get(), table.get()}; }
};

std::vector<PrintPage> layOut(const Category& category, const DeviceMetrics& metrics, bool abortNow = false)
{
    FakeMeasurer measurer;
    AbortFlag abort{abortNow};
    PageSequence document;
    if (!layOutCategoryResults(document, category.input(), metrics, measurer, abort))
        return {};
    return document.finish(measurer, "wtorek");
}

int pagesWith(const std::vector<PrintPage>& pages, const std::string& text)
{
    int count = 0;
    for (const PrintPage& page : pages)
        count += hasText(page, text);
    return count;
}

TEST(ResultsPrintout, OnePageDocumentIsPageOneOfOne)
{
    const std::vector<PrintPage> pages = layOut(Category({2, 1, 3}, 2), device(200, 287));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(hasText(pages[0], "Page 1 of 1"));
    EXPECT_TRUE(hasText(pages[0], "Kategoria  TP"));
}

int count(const PrintPage& page, const std::string& text)
{
    return static_cast<int>(std::count_if(page.texts.begin(), page.texts.end(),
                                          [&](const TextOp& op) { return op.text == text; }));
}

TEST(ResultsPrintout, OneStageGroupHasNoPlaceColumnAndStandsCentred)
{
    const DeviceMetrics metrics = device(200, 287);
    const std::vector<PrintPage> pages = layOut(Category({1, 1}, 1), metrics);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(count(pages[0], "M. "), 1);
    EXPECT_EQ(count(pages[0], "PK "), 1);
    EXPECT_EQ(count(pages[0], "PP  "), 1);
    // 147 units, centred between left and right.
    const PageFrame f = resultsFrame(metrics, 1);
    const int x0 = f.left + (f.right - f.left - 147 * f.unit) / 2;
    EXPECT_EQ(findText(pages[0], "M. ")->cell.right, x0 + 8 * f.unit); // inside the 2-unit inset
    EXPECT_EQ(findText(pages[0], "1000,0")->cell.right, x0 + 147 * f.unit);
}

TEST(ResultsPrintout, NineStagesContinueInPageColumnsThatEachHoldAStage)
{
    struct Case {
        int widthMm;
        int columns;
    };
    // A4 at 600 dpi (unit 25): the left block and stage 1, then two stages a
    // page column. 60 mm is too narrow for any group: one stage a column.
    for (const Case& c : {Case{200, 5}, Case{60, 9}}) {
        const std::vector<PrintPage> pages = layOut(Category({1, 2}, 9), device(c.widthMm, 287));
        ASSERT_EQ(static_cast<int>(pages.size()), c.columns) << c.widthMm;
        EXPECT_TRUE(hasText(pages[0], "Nazwisko i Imi\xEA"));
        EXPECT_EQ(pagesWith(pages, "Nazwisko i Imi\xEA"), 1);
        for (int s = 1; s <= 9; ++s)
            EXPECT_EQ(pagesWith(pages, "Etap " + std::to_string(s)), 1) << s;
        EXPECT_EQ(pagesWith(pages, "M. "), c.columns); // every page column starts with the places
        EXPECT_TRUE(hasText(pages.back(), "Page " + std::to_string(c.columns) + " of " + std::to_string(c.columns)));
    }
}

// The places printed in the place column of a page.
std::vector<std::string> places(const PrintPage& page, const PageFrame& f)
{
    std::vector<std::string> found;
    for (const TextOp& op : page.texts)
        if (op.cell.right <= f.left + 10 * f.unit && op.cell.top > f.top + 14 * f.unit)
            found.push_back(op.text);
    return found;
}

TEST(ResultsPrintout, PageColumnsBreakAtTheSameTeams)
{
    const DeviceMetrics metrics = device(200, 287);
    const std::vector<PrintPage> pages = layOut(Category(std::vector<int>(60, 1), 9), metrics);
    ASSERT_EQ(pages.size() % 5, 0u);
    const std::size_t perColumn = pages.size() / 5;
    ASSERT_GT(perColumn, 1u);
    const PageFrame f = resultsFrame(metrics, 9);
    for (std::size_t p = 0; p < perColumn; ++p) {
        EXPECT_FALSE(places(pages[p], f).empty());
        for (std::size_t column = 1; column < 5; ++column)
            EXPECT_EQ(places(pages[column * perColumn + p], f), places(pages[p], f)) << p << " " << column;
    }
}

TEST(ResultsPrintout, FourMemberTeamMovesWholeUnderARepeatedHead)
{
    const DeviceMetrics metrics = device(200, 287);
    const PageFrame f = resultsFrame(metrics, 2);
    const int u = f.unit;
    const int firstRows = (f.bodyBottom - (f.top + 21 * u + 14 * u)) / (6 * u);
    std::vector<int> sizes(static_cast<std::size_t>(firstRows - 1), 1);
    sizes.push_back(4);
    const std::vector<PrintPage> pages = layOut(Category(sizes, 2), metrics);
    ASSERT_EQ(pages.size(), 2u);
    const std::string team = std::to_string(firstRows);
    for (int m = 0; m < 4; ++m) {
        const std::string name = "S" + team + "_" + std::to_string(m) + "  ";
        EXPECT_FALSE(hasText(pages[0], name));
        const TextOp* op = findText(pages[1], name);
        ASSERT_NE(op, nullptr) << name;
        EXPECT_EQ(op->cell.top, f.top + 14 * u + m * 6 * u);
    }
    const TextOp* head = findText(pages[1], "Nr ");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->cell.top, f.top);
    EXPECT_FALSE(hasText(pages[1], "Kategoria  TP"));
}

TEST(ResultsPrintout, TeamTallerThanAPageIsCutOnItsOwnPage)
{
    // 20 mm high: room for barely a row; ten members must not move forever.
    const std::vector<PrintPage> pages = layOut(Category({1, 10, 1}, 1), device(200, 40));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(hasText(pages[1], "2"));
    EXPECT_TRUE(hasText(pages[1], "S2_0  "));
    EXPECT_FALSE(hasText(pages[1], "S2_9  "));
}

TEST(ResultsPrintout, LeavesOutUnclassifiedTeamsAndEmptyClassifications)
{
    Category category({1, 1, 1}, 2);
    category.table->rows[1].stages[2].totalPoints = 0;
    const std::vector<PrintPage> pages = layOut(category, device(200, 287));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(hasText(pages[0], "S1_0  "));
    EXPECT_FALSE(hasText(pages[0], "S2_0  "));

    Category none({1, 1}, 0);
    EXPECT_FALSE(hasPrintableTeams(*none.table));
    EXPECT_TRUE(layOut(none, device(200, 287)).empty());
}

TEST(ResultsPrintout, AbortFlagStopsTheLayout)
{
    FakeMeasurer measurer;
    AbortFlag abort{true};
    PageSequence document;
    EXPECT_FALSE(layOutCategoryResults(document, Category({1}, 1).input(), device(200, 287), measurer, abort));
}

} // namespace
