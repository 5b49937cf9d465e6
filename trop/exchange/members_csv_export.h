// The members of a category as a spreadsheet file: UTF-8 with a byte order
// mark, ";" between cells, CR LF after every row, the header row first. Text
// cells are protected as the results export protects them, so a spreadsheet
// runs no formula; reading the file back gives the same records.
#pragma once

#include "trop/model/members.h"

#include <string>

namespace trop {

std::string exportMembersCsv(const MemberTable& table, int count);

} // namespace trop
