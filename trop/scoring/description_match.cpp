#include "description_match.h"

#include <algorithm>

namespace trop::scoring {

namespace {

constexpr std::uint64_t lowBytesMask(int count)
{
    return count >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * count)) - 1;
}

bool flagsEqual(const PointDescription& point, const BoxDescription& box)
{
    return box.isLop == point.isLop && box.isArea == point.isArea;
}

bool textEqual(PackedText a, PackedText b)
{
    return a.length == b.length && a.bytes == b.bytes;
}

} // namespace

PackedText packText(std::string_view text)
{
    PackedText packed;
    packed.length = static_cast<int>(std::min<std::size_t>(text.size(), 8));
    for (int i = 0; i < packed.length; ++i)
        packed.bytes |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    return packed;
}

PackedText joinTexts(PackedText a, PackedText b)
{
    PackedText joined = a;
    const int taken = std::min(b.length, 8 - a.length);
    if (taken > 0) {
        joined.bytes |= (b.bytes & lowBytesMask(taken)) << (8 * a.length);
        joined.length += taken;
    }
    return joined;
}

bool fullDescriptionMatch(const PointDescription& point, const BoxDescription& box)
{
    return flagsEqual(point, box)
        && (textEqual(box.text, point.joined) || textEqual(box.text, point.swapped));
}

bool partialDescriptionMatch(const PointDescription& point, const BoxDescription& box)
{
    if (!flagsEqual(point, box))
        return false;
    if (textEqual(box.text, point.joined) || textEqual(box.text, point.swapped))
        return true;
    const int n = point.first.length;
    if (n == 0)
        return true;
    if (box.text.length < n)
        return false;
    const std::uint64_t mask = lowBytesMask(n);
    const bool head = (box.text.bytes & mask) == point.first.bytes;
    const bool tail = ((box.text.bytes >> (8 * (box.text.length - n))) & mask) == point.first.bytes;
    return head || tail;
}

} // namespace trop::scoring
