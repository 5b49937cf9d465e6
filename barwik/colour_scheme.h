#pragma once
// Colours of a colour button, derived from its fill colour. Qt-free.
//
// A colour arrives as 0x00BBGGRR (red in the low byte). Every function is a
// pure integer computation: divisions are integer divisions and each channel
// of a result lies in 0..255.

#include <cstdint>

namespace barwik {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Splits 0x00BBGGRR into its channels; the high byte is ignored.
Rgb rgbFromColourRef(std::uint32_t colour);

// (max + min) * 240 / 510, in 0..240.
int lightness(Rgb colour);

// The colour brought to lightness 120; grey 128 for black and white.
Rgb baseColour(Rgb colour, int lightness);

// Edge colours derived from the base colour and the original lightness.
Rgb highlightColour(Rgb base, int lightness);
Rgb shadowColour(Rgb base, int lightness);

// Grey when disabled, black on light fills (lightness > 119), else white.
Rgb textColour(int lightness, bool enabled);

struct ColourScheme {
    Rgb fill;
    Rgb highlight;
    Rgb shadow;
    Rgb text;
};

ColourScheme colourSchemeFor(std::uint32_t colour, bool enabled);

} // namespace barwik
