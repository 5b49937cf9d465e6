// A printout's pages as plain drawing operations in device pixels. The page
// layout code produces them without Qt; the Qt side only replays them with a
// painter, so the counting and the painting of pages can never disagree.
#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

// The one typeface of every printout ("Times New Roman CE", printed with a
// metric-compatible serif). height is the line height on the device: ascent
// plus descent, in device pixels.
struct PrintFont {
    int height = 0;
    bool bold = false;
    bool operator==(const PrintFont&) const = default;
};

enum class TextAlign { Left, Centre, Right };
enum class TextVAlign { Centre, Top, Bottom };

struct PageRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PageRect&) const = default;
};

// One line of text, no prefix processing, trailing spaces counted.
struct TextOp {
    PageRect cell;
    std::string text; // code page 1250
    TextAlign align = TextAlign::Left;
    TextVAlign valign = TextVAlign::Centre;
    PrintFont font;
    bool clip = false; // the text is wider than its cell and is cut at the cell
};

struct LineOp {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int width = 1; // pen width in device pixels
};

struct PrintPage {
    std::vector<TextOp> texts;
    std::vector<LineOp> lines;
};

struct PrintLayout {
    std::vector<PrintPage> pages; // the page total is pages.size()
    bool aborted = false;         // the abort flag was seen; pages are incomplete
};

// What the device reports: the printable area in pixels and in millimetres,
// and its resolution.
struct DeviceMetrics {
    int widthPx = 0, heightPx = 0;
    int widthMm = 0, heightMm = 0;
    int dpiX = 0, dpiY = 0;
};

// Text widths as the device will draw them.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // Advance width in device pixels of a code page 1250 text, trailing
    // spaces included.
    virtual int textWidth(std::string_view text, const PrintFont& font) const = 0;
};

using AbortFlag = std::atomic<bool>;

} // namespace trop
