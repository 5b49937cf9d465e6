// Whether a window can work in a folder of the store.
#pragma once

#include <filesystem>

namespace trop {

// True when folder is an existing folder whose content can be listed.
bool canEnterFolder(const std::filesystem::path& folder);

} // namespace trop
