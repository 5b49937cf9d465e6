#include "barwik/colour_scheme.h"

#include <algorithm>

namespace barwik {
namespace {

constexpr int kFullLightness = 240;
constexpr int kMidLightness = 120;

int clampChannel(int value) { return std::clamp(value, 0, 255); }

template <typename ChannelFunction>
Rgb eachChannel(Rgb colour, ChannelFunction function)
{
    return {clampChannel(function(colour.red)), clampChannel(function(colour.green)),
            clampChannel(function(colour.blue))};
}

} // namespace

Rgb rgbFromColourRef(std::uint32_t colour)
{
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

int lightness(Rgb colour)
{
    const int highest = std::max({colour.red, colour.green, colour.blue});
    const int lowest = std::min({colour.red, colour.green, colour.blue});
    return (highest + lowest) * kFullLightness / 510;
}

Rgb baseColour(Rgb colour, int lightness)
{
    if (lightness <= 0 || lightness >= kFullLightness)
        return {128, 128, 128};
    if (lightness == kMidLightness)
        return colour;
    if (lightness < kMidLightness)
        return eachChannel(colour, [&](int c) { return c * kMidLightness / lightness; });
    // Brightening towards white; the subtraction may go below zero before
    // clamping, so this one is a signed division.
    return eachChannel(colour, [&](int c) {
        return c - (255 - c) * (lightness - kMidLightness) / (kFullLightness - lightness);
    });
}

Rgb highlightColour(Rgb base, int lightness)
{
    const int h = lightness + 100;
    if (h > kFullLightness)
        return {255, 255, 255};
    if (h > kMidLightness)
        return eachChannel(base, [&](int c) { return c + (255 - c) * (lightness - 20) / 120; });
    return eachChannel(base, [&](int c) { return c * h / 120; });
}

Rgb shadowColour(Rgb base, int lightness)
{
    const int d = lightness / 2;
    if (d < 40)
        return {0, 0, 0};
    if (d <= kMidLightness)
        return eachChannel(base, [&](int c) { return c * d / 120; });
    return eachChannel(base, [&](int c) { return c + (255 - c) * (d - 120) / 120; });
}

Rgb textColour(int lightness, bool enabled)
{
    if (!enabled)
        return {128, 128, 128};
    if (lightness > 119)
        return {0, 0, 0};
    return {255, 255, 255};
}

ColourScheme colourSchemeFor(std::uint32_t colour, bool enabled)
{
    const Rgb fill = rgbFromColourRef(colour);
    const int l = lightness(fill);
    const Rgb base = baseColour(fill, l);
    return {fill, highlightColour(base, l), shadowColour(base, l), textColour(l, enabled)};
}

} // namespace barwik
