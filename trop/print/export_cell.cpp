#include "trop/print/export_cell.h"

namespace trop {
namespace {

bool needsQuotes(std::string_view text)
{
    return text.find_first_of(";\"\r\n") != std::string_view::npos;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace

bool startsLikeFormula(std::string_view text)
{
    if (text.empty())
        return false;
    const char first = text.front();
    return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t';
}

std::string protectTextCell(std::string_view text, std::size_t maxPieceBytes)
{
    std::string cell = startsLikeFormula(text) ? "'" + std::string(text) : std::string(text);
    if (!needsQuotes(cell))
        return cell;
    std::string result = quoted(cell);
    // Room for the trailing semicolon of the piece.
    while (result.size() + 1 > maxPieceBytes && !cell.empty()) {
        cell.pop_back();
        result = quoted(cell);
    }
    return result;
}

} // namespace trop
