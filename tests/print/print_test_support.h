// A text measurer and devices for page layout tests: every character is half
// as wide as the font is high, so positions can be worked out by hand.
#pragma once

#include "trop/print/printout.h"

#include <algorithm>
#include <string>
#include <vector>

namespace trop::testing {

class FakeMeasurer : public TextMeasurer {
public:
    int textWidth(std::string_view text, const PrintFont& font) const override
    {
        return static_cast<int>(text.size()) * font.height / 2;
    }
};

// A printable area of the given millimetres at dpi dots per inch.
inline DeviceMetrics device(int widthMm, int heightMm, int dpi = 600)
{
    return {widthMm * dpi * 10 / 254, heightMm * dpi * 10 / 254, widthMm, heightMm, dpi, dpi};
}

inline const TextOp* findText(const PrintPage& page, const std::string& text)
{
    const auto found =
        std::find_if(page.texts.begin(), page.texts.end(), [&](const TextOp& op) { return op.text == text; });
    return found == page.texts.end() ? nullptr : &*found;
}

inline bool hasText(const PrintPage& page, const std::string& text) { return findText(page, text) != nullptr; }

inline LayoutRequest request(const DeviceMetrics& metrics, const TextMeasurer& measurer, const AbortFlag& abort)
{
    return LayoutRequest{metrics, measurer, abort, "wtorek"};
}

} // namespace trop::testing
