// Locating and, on the first start, creating the store root "Zawody" next to
// the program file.
#pragma once

#include <filesystem>

namespace trop {

enum class StoreRootStatus { Ready, Failed };

// The store root of a program folder: programFolder / "Zawody".
std::filesystem::path storeRootOf(const std::filesystem::path& programFolder);

// Ready when programFolder/"Zawody" is a folder, creating it only when
// nothing of that name exists. When something else has the name (a file) or
// the folder cannot be created: message 1 "Zawody" and Failed; the program
// must then end.
StoreRootStatus ensureStoreRoot(const std::filesystem::path& programFolder);

} // namespace trop
