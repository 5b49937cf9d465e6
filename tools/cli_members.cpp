// trop-cli import-members CATEGORY_FOLDER FILE.csv [--dry-run]: adds the
// members of a spreadsheet file to the category, as the participants
// editor's "Importuj z pliku..." does; every problem is listed with its line
// and a file with any error adds no one. --dry-run only lists.
// trop-cli export-members CATEGORY_FOLDER FILE.csv: writes the category's
// members in the same format.
#include "cli_commands.h"

#include "trop/exchange/members_csv_export.h"
#include "trop/exchange/members_csv_import.h"
#include "trop/model/stages_with_results.h"
#include "trop/print/category_folder.h"
#include "trop/store/competition_store.h"
#include "trop/store/cp1250.h"
#include "trop/store/file_io.h"

#include <cstdio>
#include <ctime>
#include <memory>

namespace trop::cli {
namespace {

int currentYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// The category's members loaded, or nothing after a message on stderr.
std::unique_ptr<MemberTable> loadCategory(const char* command, const std::string& folderArgument,
                                          const std::filesystem::path& folder, bool readOnly, int& count)
{
    if (const std::string problem = categoryFolderProblem(folder); !problem.empty()) {
        std::fprintf(stderr, "trop-cli %s: %s: %s\n", command, folderArgument.c_str(), problem.c_str());
        return nullptr;
    }
    auto members = std::make_unique<MemberTable>();
    // Exporting only reads: a category without a members file stays without one.
    if (readOnly) {
        const TableRead read = readMembers(folder, *members);
        count = read.usable() ? read.count : -1;
    } else {
        count = loadMembers(folder, *members);
    }
    if (count < 0) {
        std::fprintf(stderr, "trop-cli %s: %s: cannot read %s\n", command, folderArgument.c_str(), kMembersFileName);
        return nullptr;
    }
    return members;
}

void printIssues(const std::string& file, const std::vector<ImportIssue>& issues, const char* kind)
{
    for (const ImportIssue& issue : issues)
        std::fprintf(stderr, "%s:%d: %s: %s\n", file.c_str(), issue.line, kind, issue.text.c_str());
}

} // namespace

int runImportMembers(const Arguments& args)
{
    Arguments positional;
    bool dryRun = false;
    for (const std::string& arg : args) {
        if (arg == "--dry-run")
            dryRun = true;
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2) {
        std::fprintf(stderr, "usage: trop-cli import-members CATEGORY_FOLDER FILE.csv [--dry-run]\n");
        return 2;
    }
    const std::filesystem::path folder = normalizedFolder(positional[0]);
    int count = 0;
    const std::unique_ptr<MemberTable> members = loadCategory("import-members", positional[0], folder, false, count);
    if (!members)
        return 1;
    std::string stageNames;
    for (int stage : stagesWithResults(folder))
        stageNames += (stageNames.empty() ? "" : ", ") + stageFolderName(stage);
    if (!stageNames.empty()) {
        std::fprintf(stderr, "trop-cli import-members: %s\n", importRefusedForResultsMessage(stageNames).c_str());
        return 1;
    }
    const std::optional<std::string> bytes = readMembersFile(positional[1]);
    if (!bytes) {
        std::fprintf(stderr, "trop-cli import-members: cannot read %s\n", positional[1].c_str());
        return 1;
    }
    const ImportPlan plan = planMemberImport(*bytes, *members, count, categoryDisplayName(folderName(folder)),
                                             currentYear());
    printIssues(positional[1], plan.warnings, "ostrzeżenie");
    printIssues(positional[1], plan.errors, "błąd");
    std::printf("%s\n", importSummary(plan).c_str());
    if (!plan.accepted())
        return 1;
    if (dryRun)
        return 0;
    if (!applyMemberImport(plan, *members) || !saveMembers(folder, *members)) {
        std::fprintf(stderr, "trop-cli import-members: cannot write %s\n", kMembersFileName);
        return 1;
    }
    return 0;
}

int runExportMembers(const Arguments& args)
{
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: trop-cli export-members CATEGORY_FOLDER FILE.csv\n");
        return 2;
    }
    const std::filesystem::path folder = normalizedFolder(args[0]);
    int count = 0;
    const std::unique_ptr<MemberTable> members = loadCategory("export-members", args[0], folder, true, count);
    if (!members)
        return 1;
    if (!writeFileAtomically(args[1], exportMembersCsv(*members, count))) {
        std::fprintf(stderr, "trop-cli export-members: cannot write %s\n", args[1].c_str());
        return 1;
    }
    std::printf("%d\n", count);
    return 0;
}

} // namespace trop::cli
