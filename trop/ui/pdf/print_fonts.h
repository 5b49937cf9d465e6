// The printouts' typeface on a Qt device: "Times New Roman CE" is printed
// with the metric-compatible Liberation Serif, sized so that its line height
// (ascent plus descent) is the font's height in device pixels.
#pragma once

#include "trop/print/page_ops.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <map>
#include <string_view>
#include <utility>

namespace trop {

inline constexpr const char* kPrintFontFamily = "Liberation Serif";

QString printText(std::string_view cp1250);

// Fonts and their metrics, made once per size. Not shared between threads.
class PrintFonts : public TextMeasurer {
public:
    PrintFonts();
    const QFont& font(const PrintFont& font);
    int textWidth(std::string_view text, const PrintFont& font) const override;

private:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    Entry& entry(const PrintFont& font) const;

    double lineHeightPerPixel_ = 1.0;
    mutable std::map<std::pair<int, bool>, Entry> entries_;
};

} // namespace trop
