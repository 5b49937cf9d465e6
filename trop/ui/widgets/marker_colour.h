// Marker colours as the records store them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>

#include <cstdint>

namespace trop {

inline QColor markerColour(std::uint32_t stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

inline std::uint32_t storedMarkerColour(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

} // namespace trop
