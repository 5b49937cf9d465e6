#include "trop/store/store_location.h"

#include "trop/store/competition_store.h"

#include <array>
#include <cstdlib>
#include <unistd.h>

namespace trop {
namespace {

namespace fs = std::filesystem;

bool writableFolder(const fs::path& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool isSystemProgramFolder(const fs::path& folder)
{
    static const std::array<fs::path, 3> installed = {"/usr/bin", "/usr/local/bin", "/bin"};
    std::error_code error;
    const fs::path real = fs::weakly_canonical(folder, error);
    const fs::path normal = folder.lexically_normal();
    for (const fs::path& system : installed)
        if (normal == system || (!error && real == system))
            return true;
    return false;
}

// The folder itself, or the nearest existing folder above it that would
// receive the missing ones.
bool writableOrCreatable(const fs::path& folder)
{
    std::error_code error;
    fs::path existing = folder;
    while (!existing.empty() && !fs::exists(existing, error)) {
        if (existing == existing.parent_path())
            return false;
        existing = existing.parent_path();
    }
    return !existing.empty() && fs::is_directory(existing, error) && writableFolder(existing);
}

} // namespace

std::optional<fs::path> chooseStoreParent(const StoreLocationFacts& facts)
{
    if (facts.programFolderWritable)
        return facts.programFolder;
    if (!facts.dataFolder.empty() && facts.dataFolderWritable)
        return facts.dataFolder;
    return std::nullopt;
}

fs::path userDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (dataHome && fs::path(dataHome).is_absolute())
        base = dataHome;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        return {};
    return base / "Lirnik" / "Trop";
}

StoreLocationFacts storeLocationFacts(const fs::path& programFolder)
{
    StoreLocationFacts facts;
    facts.programFolder = programFolder;
    if (!isSystemProgramFolder(programFolder)) {
        std::error_code error;
        const fs::path store = programFolder / kStoreFolderName;
        facts.programFolderWritable = fs::is_directory(store, error)
                                          ? writableFolder(store)
                                          : !fs::exists(fs::symlink_status(store, error)) && writableFolder(programFolder);
    }
    facts.dataFolder = userDataFolder();
    facts.dataFolderWritable = !facts.dataFolder.empty() && writableOrCreatable(facts.dataFolder);
    return facts;
}

std::optional<fs::path> storeRootFor(const fs::path& programFolder)
{
    const std::optional<fs::path> parent = chooseStoreParent(storeLocationFacts(programFolder));
    if (!parent)
        return std::nullopt;
    return *parent / kStoreFolderName;
}

} // namespace trop
