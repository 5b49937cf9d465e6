// Code page 1250 <-> UTF-8 for the Qt-free tools (the command-line program and
// the sample competition); the windows convert with QStringDecoder instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trop {

std::string cp1250ToUtf8(std::string_view text);
// Characters the code page lacks become '?'.
std::string utf8ToCp1250(std::string_view text);
// Nothing when the text holds a character the code page lacks, or bytes that
// are not UTF-8.
std::optional<std::string> utf8ToCp1250Exact(std::string_view text);
// True when the bytes are well-formed UTF-8.
bool isUtf8(std::string_view bytes);

// Letter case of code page 1250 bytes, Polish letters (ą ć ę ł ń ó ś ź ż)
// included; every other byte is kept.
std::string cp1250ToUpper(std::string_view text);
std::string cp1250ToLower(std::string_view text);

} // namespace trop
