// trop-cli export CATEGORY_FOLDER FILE: writes the same file as the category
// window's "Export", with the competition folder's name as the competition.
#include "cli_commands.h"
#include "cli_report.h"

#include "trop/print/category_export.h"
#include "trop/print/category_folder.h"
#include "trop/store/competition_store.h"
#include "trop/store/cp1250.h"

#include <clocale>
#include <cstdio>
#include <ctime>

namespace trop::cli {
namespace {

// The local long date and time, in code page 1250.
std::string localTimestamp()
{
    std::setlocale(LC_TIME, "");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%c", &local);
    return utf8ToCp1250(std::string(buffer, length));
}

} // namespace

int runExport(const Arguments& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: trop-cli export CATEGORY_FOLDER FILE\n");
        return 2;
    }
    const std::filesystem::path folder = normalizedFolder(args[0]);
    if (const std::string problem = categoryFolderProblem(folder); !problem.empty()) {
        std::fprintf(stderr, "trop-cli export: %s: %s\n", args[0].c_str(), problem.c_str());
        return 1;
    }
    const std::string competitionName = utf8ToCp1250(folderName(folder.parent_path()));
    const std::string categoryName = utf8ToCp1250(categoryDisplayName(folderName(folder)));
    const CategoryExportOutcome outcome =
        exportCategory(folder, args[1], competitionName, categoryName, localTimestamp());

    if (outcome.readFailed()) {
        reportUnreadable("export", args[0], outcome.failure);
        return 1;
    }
    if (!outcome.headerRead)
        std::fprintf(stderr, "trop-cli export: cannot read %s; the full-name lines are left out\n",
                     (folder.parent_path() / "Name.and.date").string().c_str());
    if (!outcome.written) {
        std::fprintf(stderr, "trop-cli export: cannot write %s\n", args[1].c_str());
        return 1;
    }
    return 0;
}

} // namespace trop::cli
