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
// programFolder: the folder of the trop-cli executable (default store root is
// programFolder / "Zawody").
int runDemo(const Arguments& args, const std::filesystem::path& programFolder);

} // namespace trop::cli
