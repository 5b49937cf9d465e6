// The commands of trop-cli. Each takes the arguments after its name and
// returns the process exit code (0 success, 1 failure, 2 usage error).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace trop::cli {

using Arguments = std::vector<std::string>;

int runEvaluate(const Arguments& args);
int runClassify(const Arguments& args);
int runExport(const Arguments& args);
int runPrint(const Arguments& args);
int runImportMembers(const Arguments& args);
int runExportMembers(const Arguments& args);
// programFolder: the folder of the trop-cli executable; the default store root
// is the one trop uses (next to the programs, or in the user's data folder).
int runDemo(const Arguments& args, const std::filesystem::path& programFolder);
// Prints the store root in use.
int runWhere(const Arguments& args, const std::filesystem::path& programFolder);

// Why there is no store root: neither folder can hold it.
inline constexpr const char* kNoStoreFolderText =
    "no folder can hold the store: neither the program's folder nor the user's data folder is writable";

} // namespace trop::cli
