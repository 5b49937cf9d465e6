// The description tests of the card evaluation. All comparisons are exact,
// byte for byte and case-sensitive. Texts are packed into one 64-bit word
// (byte i in bits 8i..8i+7) because every text involved fits in 8 bytes.
#pragma once

#include <cstdint>
#include <string_view>

namespace trop::scoring {

struct PackedText {
    std::uint64_t bytes = 0;
    int length = 0; // 0..8
};

// Packs at most the first 8 bytes of text (texts come from fixed fields of at
// most 8 bytes, so nothing is lost in practice).
PackedText packText(std::string_view text);
// a followed by b, cut to 8 bytes.
PackedText joinTexts(PackedText a, PackedText b);

// What the tests need to know about one route point.
struct PointDescription {
    PackedText first;    // description1
    PackedText joined;   // description1 followed by description2
    PackedText swapped;  // description2 followed by description1
    std::int32_t isLop = 0;
    std::int32_t isArea = 0;
};

// A description written in a box (on the card or as the judge's correct one).
struct BoxDescription {
    PackedText text;
    std::int32_t isLop = 0;
    std::int32_t isArea = 0;
};

// The text is description1+description2 or description2+description1 and
// both flags equal the point's.
bool fullDescriptionMatch(const PointDescription& point, const BoxDescription& box);

// The full match, or (flags equal) the first or the last n characters of the
// text equal description1, n being its length. A text shorter than n never
// fits; an empty description1 fits every text with the right flags.
bool partialDescriptionMatch(const PointDescription& point, const BoxDescription& box);

} // namespace trop::scoring
