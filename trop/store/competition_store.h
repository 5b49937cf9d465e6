// The competition store: the folder tree "Zawody" -> competition (named by its
// short name) -> category (a category code, or "X." + custom name) -> stages
// "E0".."E9". Lists are rebuilt by enumerating folders each time; entries come
// in the order the file system returns them. Folder names are UTF-8 file names.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

inline constexpr const char* kStoreFolderName = "Zawody";

// index + 1 = category number
inline constexpr std::array<const char*, 13> kCategoryCodes = {
    "RK", "TD", "TJ", "TK", "TP", "TR", "TS", "TW", "TF", "TM", "TZ", "SZ", "TU"};

inline constexpr int kCustomCategoryNumber = 14;
inline constexpr int kStageCount = 10;

struct CategoryEntry {
    std::string folderName;  // the folder as it is on disk
    std::string displayName; // the code, or the custom name without "X" and the character after it
    int number = 0;          // 1..13 for a code, 14 for a custom category
};

// Every subfolder of the root (files are ignored); nothing for a missing root.
std::vector<std::string> listCompetitions(const std::filesystem::path& root);

// Subfolders named exactly like one of the 13 codes (case-sensitive) or
// beginning with "X" (custom); any other folder is ignored.
std::vector<CategoryEntry> listCategories(const std::filesystem::path& competition);

// Stage numbers of the subfolders named exactly "E0".."E9".
std::vector<int> listStages(const std::filesystem::path& category);

// "E3" for 3. The stage must be 0..9.
std::string stageFolderName(int stage);

// 1..13 for one of the codes, 14 for a name beginning with "X", 0 otherwise.
int categoryNumber(std::string_view folderName);

// The code for 1..13, "X." + customName for 14, "" for anything else.
std::string categoryFolderName(int number, std::string_view customName);

// What a category shows: the code itself, or a custom folder name without
// its leading "X" and the "." that follows it ("X.AB" shows "AB", "XY" shows
// "Y"); a folder named just "X" shows "X".
std::string categoryDisplayName(std::string_view folderName);

// True when name is a single folder name that stays inside its parent:
// not empty, not "." or "..", no '/', '\\' or NUL, at most 255 bytes.
bool isSafeFolderName(std::string_view name);

} // namespace trop
