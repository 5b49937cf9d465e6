#include "trop/store/startup.h"

#include "trop/store/competition_store.h"
#include "trop/store/messages.h"

#include <sys/stat.h>
#include <system_error>

namespace trop {

std::filesystem::path storeRootOf(const std::filesystem::path& programFolder)
{
    return programFolder / kStoreFolderName;
}

StoreRootStatus ensureStoreRoot(const std::filesystem::path& programFolder)
{
    namespace fs = std::filesystem;
    const fs::path root = storeRootOf(programFolder);
    std::error_code error;
    const fs::file_status status = fs::status(root, error); // a link to a folder serves
    const bool ready = fs::is_directory(status)
        || (!fs::exists(fs::symlink_status(root, error)) && ::mkdir(root.c_str(), 0755) == 0);
    if (ready)
        return StoreRootStatus::Ready;
    showMessage(1, kStoreFolderName);
    return StoreRootStatus::Failed;
}

std::optional<std::filesystem::path> prepareStoreRoot(const StoreLocationFacts& facts)
{
    const std::optional<std::filesystem::path> parent = chooseStoreParent(facts);
    if (!parent) {
        showMessage(1, kStoreFolderName);
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::create_directories(*parent, error); // the data folder may be new
    if (ensureStoreRoot(*parent) != StoreRootStatus::Ready)
        return std::nullopt;
    return storeRootOf(*parent);
}

} // namespace trop
