#include "trop/print/category_folder.h"

#include "trop/store/competition_store.h"

namespace trop {

std::filesystem::path normalizedFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::path result = std::filesystem::absolute(folder, error).lexically_normal();
    if (error)
        result = folder.lexically_normal();
    if (!result.has_filename() && result.has_parent_path() && result != result.root_path())
        result = result.parent_path();
    return result;
}

std::string folderName(const std::filesystem::path& folder)
{
    std::filesystem::path trimmed = folder;
    if (!trimmed.has_filename())
        trimmed = trimmed.parent_path();
    return trimmed.filename().string();
}

std::string categoryFolderProblem(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::exists(folder, error))
        return "no such folder";
    if (!std::filesystem::is_directory(folder, error))
        return "not a folder";
    if (categoryNumber(folderName(folder)) == 0)
        return "not a category folder (expected a category code such as TP, or X.name)";
    return {};
}

} // namespace trop
