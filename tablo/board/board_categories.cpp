#include "tablo/board/board_categories.h"

#include <algorithm>

namespace tablo {

namespace {
constexpr int kLastBoardCategory = 12; // "SZ"
}

std::vector<trop::CategoryEntry> boardCategories(const std::filesystem::path& competitionFolder)
{
    std::vector<trop::CategoryEntry> categories = trop::listCategories(competitionFolder);
    std::erase_if(categories, [](const trop::CategoryEntry& entry) {
        return entry.number < 1 || entry.number > kLastBoardCategory;
    });
    return categories;
}

} // namespace tablo
