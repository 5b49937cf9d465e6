// What the member dialog does, without widgets: its title, the texts it
// starts with, and "Zapisz": the year of birth from its two typed digits and
// the age check of the editor's category.
#pragma once

#include "trop/model/member_fields.h"

#include <array>
#include <string>
#include <string_view>

namespace trop {

// What the user typed: the eight texts in kMemberFields order, as code page
// 1250 bytes, and the year field.
struct TypedMember {
    std::array<std::string, kMemberFields.size()> texts;
    std::string yearText;
};

class MemberDialogFlow {
public:
    // record: a fresh record of its team (new member) or a copy of a member.
    // categoryName is the category as shown, for the age check.
    MemberDialogFlow(const MemberRecord& record, std::string categoryName, int currentYear);

    std::string title() const; // "Drużyna nr 3", UTF-8
    const MemberRecord& record() const { return record_; }
    // Empty without a year of birth, otherwise the year modulo 100 ("5" for 2005).
    std::string yearText() const;

    // "Zapisz". A year field holding no whole number from -99 to 99 gets
    // the standard message; a member older than the category allows is asked about with
    // message 23. True when the dialog closes: record() then holds every
    // text whole as typed. False keeps the dialog open and stores nothing.
    bool accept(const TypedMember& typed);

private:
    MemberRecord record_;
    std::string categoryName_;
    int currentYear_;
};

// A record of the team with empty texts and no year of birth.
MemberRecord freshMember(int teamNumber);

} // namespace trop
