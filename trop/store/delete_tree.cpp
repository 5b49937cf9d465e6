#include "trop/store/delete_tree.h"

#include "trop/store/messages.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace trop {

namespace {

namespace fs = std::filesystem;

struct Entry {
    fs::path path;
    bool isFolder = false; // a real folder, not a link to one
};

// The entries of folder, or nothing when it cannot be read. They are all
// collected first, so removing them does not disturb the enumeration.
bool readEntries(const fs::path& folder, std::vector<Entry>& entries)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return false;
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError) && !it->is_symlink(typeError);
        entries.push_back({it->path(), isFolder});
    }
    return true;
}

std::string nameOf(const fs::path& path)
{
    return path.filename().string();
}

void removeFileReporting(const fs::path& file, const TreeRemover& remover)
{
    if (!remover.removeFile(file))
        showMessage(3, nameOf(file));
}

bool deleteFolder(const fs::path& folder, const TreeRemover& remover)
{
    std::vector<Entry> entries;
    if (!readEntries(folder, entries))
        return false; // cannot be entered: left alone, like a missing folder
    for (const Entry& entry : entries) {
        if (entry.isFolder)
            deleteFolder(entry.path, remover);
        else
            removeFileReporting(entry.path, remover);
    }
    if (!remover.removeEmptyFolder(folder)) {
        showMessage(4, nameOf(folder));
        return false;
    }
    return true;
}

} // namespace

TreeRemover systemTreeRemover()
{
    TreeRemover remover;
    remover.removeFile = [](const fs::path& file) {
        return ::unlink(file.c_str()) == 0 || errno == ENOENT;
    };
    remover.removeEmptyFolder = [](const fs::path& folder) {
        return ::rmdir(folder.c_str()) == 0 || errno == ENOENT;
    };
    return remover;
}

bool deleteTree(const std::filesystem::path& folder)
{
    return deleteTree(folder, systemTreeRemover());
}

bool deleteTree(const std::filesystem::path& folder, const TreeRemover& remover)
{
    fs::path target = folder;
    if (!target.has_filename())
        target = target.parent_path(); // "a/b/" names the folder "b"
    std::error_code error;
    const fs::file_status status = fs::symlink_status(target, error);
    if (!fs::exists(status))
        return true;
    if (fs::is_symlink(status)) {
        // Remove the link itself; what it points to belongs elsewhere.
        removeFileReporting(target, remover);
        return !fs::exists(fs::symlink_status(target, error));
    }
    if (!fs::is_directory(status))
        return false;
    return deleteFolder(target, remover);
}

} // namespace trop
