// Fixed-size, zero-terminated text fields inside on-disk records.
// Texts are code page 1250 bytes; nothing here converts them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace trop {

// The text of a field: up to the first zero byte, or the whole array when the
// field carries no terminator (a damaged file must never make us read past it).
template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    const void* zero = std::memchr(field, 0, N);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : N;
    return std::string_view(field, length);
}

// Stores at most N - 1 bytes of text and zero-fills the rest, so the field
// always ends with a zero byte.
template <std::size_t N>
void setFieldText(char (&field)[N], std::string_view text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

// Stores up to N bytes of text and zero-fills the rest: a field read from
// disk that fills its whole width keeps every byte (fieldText bounds it by
// the array). What the program writes goes through setFieldText instead.
template <std::size_t N>
void setFieldBytes(char (&field)[N], std::string_view text)
{
    const std::size_t length = std::min(text.size(), N);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

} // namespace trop
