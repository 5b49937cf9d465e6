#include "trop/store/competition_store.h"

#include <algorithm>
#include <system_error>

namespace trop {

namespace {

namespace fs = std::filesystem;

// Names of the subfolders of folder, in the order the file system gives them.
// A folder that cannot be read yields what was read before the failure.
std::vector<std::string> subfolderNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    return names;
}

constexpr std::size_t kMaxFileNameBytes = 255;

} // namespace

std::vector<std::string> listCompetitions(const std::filesystem::path& root)
{
    return subfolderNames(root);
}

std::vector<CategoryEntry> listCategories(const std::filesystem::path& competition)
{
    std::vector<CategoryEntry> categories;
    for (std::string& name : subfolderNames(competition)) {
        const int number = categoryNumber(name);
        if (number == 0)
            continue;
        CategoryEntry entry;
        entry.displayName = categoryDisplayName(name);
        entry.folderName = std::move(name);
        entry.number = number;
        categories.push_back(std::move(entry));
    }
    return categories;
}

std::vector<int> listStages(const std::filesystem::path& category)
{
    std::vector<int> stages;
    for (const std::string& name : subfolderNames(category)) {
        if (name.size() == 2 && name[0] == 'E' && name[1] >= '0' && name[1] <= '9')
            stages.push_back(name[1] - '0');
    }
    return stages;
}

std::string stageFolderName(int stage)
{
    std::string name("E");
    name += std::to_string(stage);
    return name;
}

int categoryNumber(std::string_view folderName)
{
    for (std::size_t i = 0; i < kCategoryCodes.size(); ++i) {
        if (folderName == kCategoryCodes[i])
            return static_cast<int>(i) + 1;
    }
    if (!folderName.empty() && folderName[0] == 'X')
        return kCustomCategoryNumber;
    return 0;
}

std::string categoryFolderName(int number, std::string_view customName)
{
    if (number >= 1 && number <= static_cast<int>(kCategoryCodes.size()))
        return kCategoryCodes[static_cast<std::size_t>(number - 1)];
    if (number == kCustomCategoryNumber)
        return "X." + std::string(customName);
    return {};
}

std::string categoryDisplayName(std::string_view folderName)
{
    if (categoryNumber(folderName) != kCustomCategoryNumber)
        return std::string(folderName);
    // "X.Mała pętla" (as created here) shows "Mała pętla", a folder "XY" made
    // by hand shows "Y", and a bare "X" keeps its name rather than showing
    // nothing.
    if (folderName.size() == 1)
        return std::string(folderName);
    std::string_view rest = folderName.substr(1);
    if (rest.front() == '.')
        rest.remove_prefix(1);
    return std::string(rest);
}

bool isSafeFolderName(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.size() > kMaxFileNameBytes)
        return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

} // namespace trop
