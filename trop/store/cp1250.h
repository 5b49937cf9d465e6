// Code page 1250 <-> UTF-8 for the Qt-free tools (the command-line program and
// the sample competition); the windows convert with QStringDecoder instead.
#pragma once

#include <string>
#include <string_view>

namespace trop {

std::string cp1250ToUtf8(std::string_view text);
// Characters the code page lacks become '?'.
std::string utf8ToCp1250(std::string_view text);

} // namespace trop
