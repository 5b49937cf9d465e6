// trop-cli: command-line access to the store for judges' scripts and tests.
#include "cli_commands.h"

#include "trop/version.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path programFolder(const char* argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

int usage()
{
    std::fprintf(stderr,
                 "usage: trop-cli evaluate [--json] STAGE_FOLDER\n"
                 "       trop-cli classify [--json] CATEGORY_FOLDER\n"
                 "       trop-cli export CATEGORY_FOLDER FILE\n"
                 "       trop-cli print KIND FOLDER --pdf FILE [--paper A4|A5|A3|Letter] [--landscape]\n"
                 "       trop-cli import-members CATEGORY_FOLDER FILE.csv [--dry-run]\n"
                 "       trop-cli export-members CATEGORY_FOLDER FILE.csv\n"
                 "       trop-cli demo [STORE_ROOT]\n"
                 "       trop-cli where\n"
                 "       trop-cli --version\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    if (command == "--version") {
        std::printf("trop-cli %s\n", trop::kProgramVersion);
        return 0;
    }
    const trop::cli::Arguments args(argv + 2, argv + argc);
    if (command == "evaluate")
        return trop::cli::runEvaluate(args);
    if (command == "classify")
        return trop::cli::runClassify(args);
    if (command == "export")
        return trop::cli::runExport(args);
    if (command == "print")
        return trop::cli::runPrint(args);
    if (command == "import-members")
        return trop::cli::runImportMembers(args);
    if (command == "export-members")
        return trop::cli::runExportMembers(args);
    if (command == "demo")
        return trop::cli::runDemo(args, programFolder(argv[0]));
    if (command == "where")
        return trop::cli::runWhere(args, programFolder(argv[0]));
    return usage();
}
