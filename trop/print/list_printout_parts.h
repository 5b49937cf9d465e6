// Pieces shared by the list printouts: the centred name lines and title of
// a first page, the teams of a member table, and member texts.
#pragma once

#include "trop/model/members.h"
#include "trop/print/page_builder.h"

#include <string>
#include <vector>

namespace trop {

// The non-empty lines among the given fields, in order.
std::vector<std::string> nonEmptyLines(std::initializer_list<std::string_view> fields);

// Height of a first-page header: the name lines of 5 units (and a 5-unit
// gap when there is one), the title of 11 units and a 10-unit gap.
int firstPageHeaderHeight(const PageFrame& frame, const std::vector<std::string>& lines);

// Draws that header across left..right from frame.top.
void drawFirstPageHeader(PageWriter& writer, const PageFrame& frame, int left, int right,
                         const std::vector<std::string>& lines, const std::string& title);

// Starts a page across the frame: on the document's first page the header,
// then the thick rule that tops the table. Returns that rule's y.
int startListPage(PageSequence& document, PageWriter& writer, const PageFrame& frame,
                  const std::vector<std::string>& lines, const std::string& title);

// A team: the run of adjacent member records with one team number.
struct TeamRun {
    int first = 0;
    int count = 0;
};
std::vector<TeamRun> teamRuns(const MemberTable& members);

// The members of a team anywhere in the table, in table order.
std::vector<const MemberRecord*> teamMembers(const MemberTable& members, int teamNumber);

// surname, separator, firstName.
std::string memberName(const MemberRecord& member, const char* separator);

// club, " / ", town, the separator only when both are present.
std::string clubAndTown(const MemberRecord& member);

} // namespace trop
