// Locating and, on the first start, creating the store root "Zawody".
#pragma once

#include "trop/store/store_location.h"

#include <filesystem>
#include <optional>

namespace trop {

enum class StoreRootStatus { Ready, Failed };

// The store root of a program folder: programFolder / "Zawody".
std::filesystem::path storeRootOf(const std::filesystem::path& programFolder);

// Ready when programFolder/"Zawody" is a folder, creating it only when
// nothing of that name exists. When something else has the name (a file) or
// the folder cannot be created: message 1 "Zawody" and Failed; the program
// must then end.
StoreRootStatus ensureStoreRoot(const std::filesystem::path& programFolder);

// The store root that the store rule chooses for these facts, created (with
// the data folder above it) when missing. Nothing, after message 1 "Zawody",
// when there is none or it cannot be created; the program must then end.
std::optional<std::filesystem::path> prepareStoreRoot(const StoreLocationFacts& facts);

} // namespace trop
