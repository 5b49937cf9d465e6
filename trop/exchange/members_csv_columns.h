// The columns of the members' spreadsheet files, in the order the export
// writes them.
#pragma once

#include "trop/model/member_fields.h"

#include "trop/print/export_cell.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace trop {

enum class MemberColumnKind { TeamNumber, BirthYear, Text };

struct MemberColumn {
    const char* title; // UTF-8
    MemberColumnKind kind;
    MemberField field; // for Text columns
};

inline constexpr std::array<MemberColumn, 10> kMemberColumns = {{
    {"Nr", MemberColumnKind::TeamNumber, MemberField::Surname},
    {"Nazwisko", MemberColumnKind::Text, MemberField::Surname},
    {"Imię", MemberColumnKind::Text, MemberField::FirstName},
    {"Rok urodzenia", MemberColumnKind::BirthYear, MemberField::Surname},
    {"Klub", MemberColumnKind::Text, MemberField::Club},
    {"Kod pocztowy", MemberColumnKind::Text, MemberField::PostCode},
    {"Miejscowość", MemberColumnKind::Text, MemberField::Town},
    {"Ulica", MemberColumnKind::Text, MemberField::Street},
    {"Wpisowe", MemberColumnKind::Text, MemberField::EntryFee},
    {"Uwagi", MemberColumnKind::Text, MemberField::Remarks},
}};

// A text that, behind any apostrophes, begins like a formula. The export
// writes such a text behind one more apostrophe (the results export's
// protection of a formula cell); reading takes one apostrophe off again.
inline bool formulaBehindApostrophes(std::string_view text)
{
    return startsLikeFormula(text.substr(std::min(text.find_first_not_of('\''), text.size())));
}

} // namespace trop
