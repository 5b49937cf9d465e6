// The eight text fields of a member record, named once for every place that
// shows, types, imports or exports them.
#pragma once

#include "trop/model/member_record.h"

#include <array>
#include <string_view>

namespace trop {

enum class MemberField { Surname, FirstName, Club, EntryFee, PostCode, Town, Street, Remarks };

// Every field in the member dialog's screen order.
inline constexpr std::array<MemberField, 8> kMemberFields = {
    MemberField::Surname, MemberField::FirstName, MemberField::Club,   MemberField::EntryFee,
    MemberField::PostCode, MemberField::Town,     MemberField::Street, MemberField::Remarks};

// Most code page 1250 bytes the field holds (its size less the terminator).
int memberFieldCapacity(MemberField field);

// The field's text up to its terminator (code page 1250 bytes).
std::string_view memberFieldText(const MemberRecord& member, MemberField field);

// Stores at most the field's capacity, zero-filled behind the text.
void setMemberFieldText(MemberRecord& member, MemberField field, std::string_view text);

} // namespace trop
