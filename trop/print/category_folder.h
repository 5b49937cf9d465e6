// Checks of a folder given from outside (the command line) before it is
// treated as a category folder of the store.
#pragma once

#include <filesystem>
#include <string>

namespace trop {

// Empty when the folder exists and is named like a category ("TP", "X.Name");
// otherwise a short English description of what is wrong.
std::string categoryFolderProblem(const std::filesystem::path& folder);

// The absolute, normalised path without a trailing separator, so that its
// parent is the folder above it.
std::filesystem::path normalizedFolder(const std::filesystem::path& folder);

// The folder's own name, even when the path ends with a separator.
std::string folderName(const std::filesystem::path& folder);

} // namespace trop
