// How the texts a judge types in the confirmation editor are read: the code
// of a box and its descriptions (code page 1250 bytes).
#pragma once

#include "trop/model/stage_definition.h"

#include <optional>
#include <string>
#include <string_view>

namespace trop {

inline constexpr std::size_t kTypedDescriptionLength = 5; // "Opis", without its prefix
inline constexpr std::size_t kDescriptionFieldLength = 4; // the two description fields

// The text without blanks around it.
std::string_view trimBlanks(std::string_view text);

// The code-table index of a typed code (blanks around it ignored): a code
// written exactly as typed wins; otherwise the first code, in index order,
// that equals the text in capitals or the text in small letters.
std::optional<int> findTypedCode(const StageDefinition& stage, std::string_view typed);

struct TypedDescription {
    std::string text;
    bool isLop = false;
    bool isArea = false;
};

// "Opis" as typed: in capitals, a LOP or area spelling at its start ("LOP ",
// "L.", "OBS", "O-", ...) sets the flag and is taken off, and the rest is cut
// to kTypedDescriptionLength (so "LOP 12" keeps "12").
TypedDescription readTypedDescription(std::string_view typed);

// A description field as typed: in capitals, cut to kDescriptionFieldLength.
std::string readDescriptionField(std::string_view typed);

} // namespace trop
