// One participant of a category: a record of "Class.Members.Data".
#pragma once

#include "trop/store/layout.h"

namespace trop {

struct MemberRecord {
    std::int32_t teamNumber;   // 0 ends the table in memory
    std::int32_t birthYear;    // valid when birthYearSet is 1
    std::int32_t birthYearSet;
    char surname[31];
    char firstName[31];
    char club[41];
    char postCode[7];
    char town[31];
    char street[41];
    char entryFee[11];
    char remarks[121];
    char reserved[2];
};

TROP_CHECK_LAYOUT(MemberRecord, 328);
TROP_CHECK_OFFSET(MemberRecord, teamNumber, 0);
TROP_CHECK_OFFSET(MemberRecord, birthYear, 4);
TROP_CHECK_OFFSET(MemberRecord, birthYearSet, 8);
TROP_CHECK_OFFSET(MemberRecord, surname, 12);
TROP_CHECK_OFFSET(MemberRecord, firstName, 43);
TROP_CHECK_OFFSET(MemberRecord, club, 74);
TROP_CHECK_OFFSET(MemberRecord, postCode, 115);
TROP_CHECK_OFFSET(MemberRecord, town, 122);
TROP_CHECK_OFFSET(MemberRecord, street, 153);
TROP_CHECK_OFFSET(MemberRecord, entryFee, 194);
TROP_CHECK_OFFSET(MemberRecord, remarks, 205);
TROP_CHECK_OFFSET(MemberRecord, reserved, 326);

inline constexpr int kMaxMembers = 1000;
inline constexpr int kMaxTeamMembers = 10;

} // namespace trop
