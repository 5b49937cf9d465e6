#include "trop/store/fixed_text_file.h"

#include <algorithm>

namespace trop {

namespace {

std::size_t clampedWidth(int width)
{
    return static_cast<std::size_t>(std::clamp(width, 0, kMaxFieldWidth));
}

std::string_view textUpToZero(std::string_view bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace

void writeFixedText(std::string& out, std::string_view text, int width)
{
    const std::size_t fieldWidth = clampedWidth(width);
    if (fieldWidth == 0)
        return;
    const std::size_t length = std::min(text.size(), fieldWidth - 1);
    out.append(text.data(), length);
    out.append(fieldWidth - length, '\0');
}

bool readFixedText(std::string_view& in, int width, std::string& text)
{
    const std::size_t fieldWidth = clampedWidth(width);
    const bool complete = in.size() >= fieldWidth;
    const std::string_view field = in.substr(0, fieldWidth);
    in.remove_prefix(field.size());
    text.assign(textUpToZero(field));
    return complete;
}

void writeText(std::string& out, std::string_view text)
{
    out.append(text.substr(0, static_cast<std::size_t>(kMaxFieldWidth)));
}

} // namespace trop
