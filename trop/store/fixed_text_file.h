// Fixed-width, zero-filled text fields of the small header files. Fields are
// appended to or consumed from an in-memory buffer; the caller writes or reads
// the whole buffer at once. Texts are bytes (code page 1250), never converted.
#pragma once

#include <string>
#include <string_view>

namespace trop {

inline constexpr int kMaxFieldWidth = 80;

// Appends exactly width bytes (width clamped to 0..80): the first
// min(length, width - 1) bytes of text, then zeros. The last byte of a field
// is therefore always zero.
void writeFixedText(std::string& out, std::string_view text, int width);

// Consumes width bytes (width clamped to 0..80) from the front of in; text is
// what precedes the first zero (all width bytes when there is none). When
// fewer than width bytes remain, all of them are consumed, text is taken from
// them the same way, and the result is false.
bool readFixedText(std::string_view& in, int width, std::string& text);

// Appends at most the first 80 bytes of text, with no terminator or filler.
void writeText(std::string& out, std::string_view text);

} // namespace trop
