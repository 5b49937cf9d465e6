// Removal of a folder with everything in it.
#pragma once

#include <filesystem>
#include <functional>

namespace trop {

// The two file-system operations deleteTree needs, replaceable in tests.
// Each returns true when the entry is gone.
struct TreeRemover {
    std::function<bool(const std::filesystem::path& file)> removeFile;
    std::function<bool(const std::filesystem::path& folder)> removeEmptyFolder;
};

// Removes files and empty folders through the file system.
TreeRemover systemTreeRemover();

// Deletes everything it can below folder, then folder itself. Each file that
// cannot be deleted is reported once with message 3 (its name), each folder
// that cannot be removed with message 4 (its name), both as notices; it never
// stops early. A missing folder (or one that cannot be entered) is left alone
// silently. Symbolic links are removed, never followed. Returns true when the
// folder is gone.
bool deleteTree(const std::filesystem::path& folder);
bool deleteTree(const std::filesystem::path& folder, const TreeRemover& remover);

} // namespace trop
