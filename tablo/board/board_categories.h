// The categories the board can show.
#pragma once

#include "trop/store/competition_store.h"

#include <filesystem>
#include <vector>

namespace tablo {

// The competition's category folders named "RK" .. "SZ" (the twelve fixed
// codes without "TU"), in the order the file system returns them; "TU" and
// custom categories are not shown on the board.
std::vector<trop::CategoryEntry> boardCategories(const std::filesystem::path& competitionFolder);

} // namespace tablo
