#include "trop/store/folder_access.h"

namespace trop {

bool canEnterFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return false;
    // Entering means reaching files inside (search permission) and listing them.
    if (!std::filesystem::is_directory(folder / ".", error))
        return false;
    std::filesystem::directory_iterator listing(folder, error);
    return !error;
}

} // namespace trop
