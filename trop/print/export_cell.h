// Protection of text cells of the semicolon-separated export, so that a
// spreadsheet neither splits a cell nor runs it as a formula.
#pragma once

#include <string>
#include <string_view>

namespace trop {

// True when a spreadsheet would take a cell beginning like this for a
// formula: "=", "+", "-", "@" or a tab first.
bool startsLikeFormula(std::string_view text);

// The text as it is when it needs no protection. A text beginning with "=",
// "+", "-", "@" or a tab gets a leading apostrophe; a text holding ";", a
// double quote or a line break is then put in double quotes with inner
// quotes doubled. The result, with its trailing semicolon, never exceeds
// maxPieceBytes (the tail of an over-long quoted text is dropped, keeping the
// closing quote).
std::string protectTextCell(std::string_view text, std::size_t maxPieceBytes = 80);

} // namespace trop
