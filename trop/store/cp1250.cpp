#include "cp1250.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace trop {
namespace {

// Unicode code points of bytes 0x80..0xFF; 0 where the code page has no character.
constexpr std::array<std::uint16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[at]; advances at. Invalid bytes give
// U+FFFD, and so do over-long forms (C0 80 is not a NUL), surrogates and
// values beyond U+10FFFF.
std::uint32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    int extra = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        codePoint = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            return 0xFFFD;
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    }
    constexpr std::uint32_t kShortestOf[] = {0, 0x80, 0x800, 0x10000};
    if (codePoint < kShortestOf[extra] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return 0xFFFD;
    return codePoint;
}

} // namespace

std::string cp1250ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            const std::uint16_t codePoint = kHighHalf[byte - 0x80];
            appendUtf8(out, codePoint ? codePoint : 0xFFFD);
        }
    }
    return out;
}

namespace {

// The code page byte of a code point, or nothing.
std::optional<char> cp1250Byte(std::uint32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == codePoint)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

std::string utf8ToCp1250(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size())
        out += cp1250Byte(nextCodePoint(text, at)).value_or('?');
    return out;
}

std::optional<std::string> utf8ToCp1250Exact(std::string_view text)
{
    if (!isUtf8(text))
        return std::nullopt;
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::optional<char> byte = cp1250Byte(nextCodePoint(text, at));
        if (!byte)
            return std::nullopt;
        out += *byte;
    }
    return out;
}

bool isUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        std::size_t length = 0;
        std::uint32_t low = 0;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            low = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = 0x10000;
        } else {
            return false;
        }
        if (at + length > bytes.size())
            return false;
        std::size_t next = at;
        const std::uint32_t codePoint = nextCodePoint(bytes, next);
        const bool replacementCharacter = bytes.substr(at, 3) == "\xEF\xBF\xBD";
        if (next != at + length || (codePoint == 0xFFFD && !replacementCharacter) || codePoint < low ||
            codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        at = next;
    }
    return true;
}

namespace {

// Small and capital letters of the code page that are not 0x20 apart in
// the ASCII way: the pairs of the 0x80..0xBF range.
constexpr std::array<std::pair<unsigned char, unsigned char>, 9> kOddPairs = {{
    {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
    {0xB3, 0xA3}, {0xB9, 0xA5}, {0xBE, 0xBC}, {0xBF, 0xAF},
}};

unsigned char upperByte(unsigned char byte)
{
    if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
        return static_cast<unsigned char>(byte - 0x20);
    for (const auto& [small, capital] : kOddPairs)
        if (byte == small)
            return capital;
    return byte;
}

unsigned char lowerByte(unsigned char byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<unsigned char>(byte + 0x20);
    for (const auto& [small, capital] : kOddPairs)
        if (byte == capital)
            return small;
    return byte;
}

template <typename Convert>
std::string convertBytes(std::string_view text, Convert convert)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(convert(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string cp1250ToUpper(std::string_view text) { return convertBytes(text, upperByte); }

std::string cp1250ToLower(std::string_view text) { return convertBytes(text, lowerByte); }

} // namespace trop
