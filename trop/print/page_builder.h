// Building pages from drawing operations: texts in cells, rules, row blocks
// that are never split across pages, and the footer of every page.
#pragma once

#include "trop/print/page_frame.h"
#include "trop/print/page_ops.h"

#include <string>
#include <string_view>
#include <vector>

namespace trop {

// What happens to a text wider than its cell narrowed by the inset:
// Clip cuts it at the cell (names, lists); Whole first gives it the full
// cell and, when still too wide, draws it whole beyond the cell (numbers and
// labels are never cut).
enum class Overflow { Clip, Whole };

struct CellStyle {
    TextAlign align = TextAlign::Left;
    PrintFont font;
    int inset = 0;
    Overflow overflow = Overflow::Clip;
    TextVAlign valign = TextVAlign::Centre;
};

class PageWriter {
public:
    PageWriter(const TextMeasurer& measurer, PrintPage& page) : measurer_(measurer), page_(&page) {}

    void text(PageRect cell, std::string_view text, const CellStyle& style);
    void horizontal(int x1, int x2, int y, int pen);
    void vertical(int x, int y1, int y2, int pen);
    int textWidth(std::string_view text, const PrintFont& font) const { return measurer_.textWidth(text, font); }
    void setPage(PrintPage& page) { page_ = &page; }

private:
    const TextMeasurer& measurer_;
    PrintPage* page_;
};

// A block of rows laid out from y = 0, placed on a page as a whole.
struct RowBlock {
    PrintPage ops;
    int height = 0;
};

// Adds the block's operations moved down to y; operations reaching below
// clipBottom are left out (a block taller than an empty page is cut there).
void placeBlock(PrintPage& page, const RowBlock& block, int y, int clipBottom);

// The pages of a document and where each page's footer goes.
class PageSequence {
public:
    PrintPage& newPage(const PageFrame& frame);
    PrintPage& current() { return pages_.back(); }
    bool empty() const { return pages_.empty(); }
    int count() const { return static_cast<int>(pages_.size()); }

    // Draws the footer on every page ("Lirnik s.c.", the date, "Page n of
    // total" with total the number of pages) and hands the pages over.
    std::vector<PrintPage> finish(const TextMeasurer& measurer, const std::string& dateText);

private:
    struct Footer {
        int left, right, top, bottom, inset;
        PrintFont font;
    };
    std::vector<PrintPage> pages_;
    std::vector<Footer> footers_;
};

// "%d" of an integer.
std::string numberText(long long value);

} // namespace trop
