#include "trop/ui/pdf/print_fonts.h"

#include "trop/store/cp1250.h"

#include <algorithm>
#include <cmath>

namespace trop {
namespace {

QFont baseFont(int pixelSize, bool bold)
{
    QFont font(QString::fromLatin1(kPrintFontFamily));
    font.setStyleHint(QFont::Serif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

} // namespace

QString printText(std::string_view cp1250)
{
    const std::string utf8 = cp1250ToUtf8(cp1250);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

PrintFonts::PrintFonts()
{
    constexpr int probe = 1000;
    const QFontMetricsF metrics(baseFont(probe, false));
    const double lineHeight = metrics.ascent() + metrics.descent();
    if (lineHeight > 0)
        lineHeightPerPixel_ = lineHeight / probe;
}

PrintFonts::Entry& PrintFonts::entry(const PrintFont& font) const
{
    const auto key = std::make_pair(font.height, font.bold);
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        const QFont qfont = baseFont(static_cast<int>(std::lround(font.height / lineHeightPerPixel_)), font.bold);
        found = entries_.emplace(key, Entry{qfont, QFontMetricsF(qfont)}).first;
    }
    return found->second;
}

const QFont& PrintFonts::font(const PrintFont& font) { return entry(font).font; }

int PrintFonts::textWidth(std::string_view text, const PrintFont& font) const
{
    return static_cast<int>(std::ceil(entry(font).metrics.horizontalAdvance(printText(text))));
}

} // namespace trop
