// The shared page geometry: rectangles, units, pens, cells and footers.
#include "print_test_support.h"

#include "trop/print/details_lines.h"
#include "trop/print/page_builder.h"
#include "trop/print/page_frame.h"

#include <gtest/gtest.h>

using namespace trop;
using namespace trop::testing;

namespace {

TEST(PageFrame, ResultsMarginsOnlyOnAreasUnder210Millimetres)
{
    struct Case {
        int widthMm, heightMm;
        bool margins;
    };
    for (const Case& c : {Case{136, 200, true}, Case{200, 287, false}, Case{200, 136, true}}) {
        const DeviceMetrics d = device(c.widthMm, c.heightMm);
        const PageFrame f = resultsFrame(d, 2);
        const int top = c.margins ? d.heightPx * 8 / d.heightMm : 4;
        const int left = (c.margins ? d.widthPx * 8 / d.widthMm : 1) + f.unit / 2;
        EXPECT_EQ(f.top, top) << c.widthMm;
        EXPECT_EQ(f.left, left) << c.widthMm;
        EXPECT_EQ(f.bottom, c.margins ? d.heightPx - top : d.heightPx - 1) << c.widthMm;
        EXPECT_EQ(f.bodyBottom, f.bottom - 4 * f.unit);
    }
}

TEST(PageFrame, PensAndFontsFollowTheResolution)
{
    struct Case {
        int dpi, unit, thin, thick, leftInset;
    };
    // 300 dpi: unit 13, thin rules of 2 pixels, thick ones of unit / 2.
    for (const Case& c : {Case{300, 13, 2, 6, 6}, Case{200, 9, 1, 2, 1}, Case{600, 25, 2, 12, 12}}) {
        const PageFrame f = fixedFrame(device(200, 287, c.dpi));
        EXPECT_EQ(f.unit, c.unit) << c.dpi;
        EXPECT_EQ(f.thinPen, c.thin) << c.dpi;
        EXPECT_EQ(f.thickPen, c.thick) << c.dpi;
        EXPECT_EQ(f.left, 1 + c.leftInset) << c.dpi;
        EXPECT_EQ(f.titleFont, (PrintFont{10 * c.unit, true}));
        EXPECT_EQ(f.headingFont, (PrintFont{4 * c.unit, true}));
        EXPECT_EQ(f.smallFont, (PrintFont{2 * c.unit, false}));
    }
}

TEST(PageFrame, AdaptiveUnitIsRaisedWhenTooSmallToRead)
{
    // A4 at 600 dpi: one stage gives a readable unit; nine stages would give
    // 7 pixels, raised to the fixed unit.
    EXPECT_EQ(resultsFrame(device(200, 287), 1).unit, (4724 - 2 - 4724 / 150 - 2) / 150);
    EXPECT_EQ(resultsFrame(device(200, 287), 9).unit, 25);
    // On a small area the raise is to dpi / 50 + 1.
    EXPECT_EQ(resultsFrame(device(136, 200), 9).unit, 13);
}

TEST(PageFrame, ZeroSizedDeviceIsALargePageAndOffsetsNeverGoNegative)
{
    const PageFrame f = resultsFrame(DeviceMetrics{}, 3);
    EXPECT_GT(f.right, f.left);
    EXPECT_GT(f.bodyBottom, f.top);
    EXPECT_EQ(f.top, 4); // no margins: a large page
    EXPECT_EQ(fixedFrame(device(200, 287, 100)).ruleOffset(), 0); // unit 5: 5/2 - 3 < 0
}

TEST(PageWriter, FiguresAndLabelsAreNeverCutByTheInset)
{
    FakeMeasurer measurer;
    PrintPage page;
    PageWriter writer(measurer, page);
    const PrintFont font{10, true}; // 5 pixels per character
    const PageRect cell{100, 0, 140, 10};
    struct Case {
        const char* text;
        Overflow overflow;
        PageRect expected;
        bool clip;
    };
    const Case cases[] = {
        {"12", Overflow::Whole, {110, 0, 130, 10}, false},      // fits the narrowed cell
        {"1000,0", Overflow::Whole, {100, 0, 140, 10}, false},  // 30 px: the full cell
        {"Suma   ", Overflow::Whole, {100, 0, 140, 10}, false}, // 35 px: the full cell
        {"-1234567", Overflow::Whole, {100, 0, 140, 10}, false},    // 40 px: exactly the full cell
        {"-12345678", Overflow::Whole, {95, 0, 140, 10}, false},    // wider: drawn whole to the left
        {"Kowalski Jan", Overflow::Clip, {110, 0, 130, 10}, true},  // a name is cut
    };
    for (const Case& c : cases) {
        page.texts.clear();
        writer.text(cell, c.text, CellStyle{TextAlign::Right, font, 10, c.overflow});
        ASSERT_EQ(page.texts.size(), 1u);
        EXPECT_EQ(page.texts[0].cell, c.expected) << c.text;
        EXPECT_EQ(page.texts[0].clip, c.clip) << c.text;
    }
}

TEST(PageSequence, FooterOnEveryPageCountsThePagesProduced)
{
    FakeMeasurer measurer;
    const PageFrame frame = fixedFrame(device(200, 287));
    for (int total : {1, 3}) {
        PageSequence document;
        for (int i = 0; i < total; ++i)
            document.newPage(frame);
        const std::vector<PrintPage> pages = document.finish(measurer, "wtorek");
        ASSERT_EQ(static_cast<int>(pages.size()), total);
        const std::string last = "Page " + std::to_string(total) + " of " + std::to_string(total);
        const TextOp* number = findText(pages.back(), last);
        ASSERT_NE(number, nullptr) << last;
        EXPECT_EQ(number->cell.bottom, frame.bottom);
        EXPECT_EQ(number->valign, TextVAlign::Bottom);
        EXPECT_TRUE(hasText(pages.front(), "Lirnik s.c."));
        EXPECT_TRUE(hasText(pages.front(), "wtorek"));
    }
}

TEST(DetailsWrapping, RowsHoldAtLeastOneItemAndNeverStartWithTheSeparator)
{
    const auto width = [](const std::string& text) { return static_cast<int>(text.size()); };
    struct Case {
        std::vector<std::string> items;
        int width;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {{"AB", "CD", "EF"}, 20, {"AB,  CD,  EF"}},
        {{"AB", "CD", "EF"}, 9, {"AB,  CD,", "EF"}},
        {{"LONGITEM", "X"}, 3, {"LONGITEM,", "X"}},
        {{"A"}, 1, {"A"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapItems(c.items, c.width, width), c.rows) << c.width;
}

} // namespace
