// trop-cli classify [--json] CATEGORY_FOLDER: the category's classification as
// the overall results window shows it, or the table itself as JSON.
#include "cli_arguments.h"
#include "cli_report.h"

#include "trop/print/category_folder.h"
#include "trop/print/classification.h"
#include "trop/print/overall_results.h"
#include "trop/store/cp1250.h"

#include <cstdio>
#include <memory>
#include <string>

namespace trop::cli {
namespace {

void printGrid(const ResultsGrid& grid)
{
    auto printLine = [](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i)
            line += (i == 0 ? "" : " | ") + cp1250ToUtf8(cells[i]);
        std::printf("%s\n", line.c_str());
    };
    std::vector<std::string> titles;
    for (const ResultsColumn& column : grid.columns)
        titles.push_back(column.title);
    printLine(titles);
    for (const std::vector<std::string>& row : grid.rows)
        printLine(row);
}

void printJson(const ClassificationTable& table)
{
    std::printf("{\"stageCount\": %d, \"rows\": [", table.stageCount);
    for (int r = 0; r < table.rowCount; ++r) {
        const ClassificationRow& row = table.rows[r];
        std::printf("%s\n  {\"teamNumber\": %d, \"stages\": [", r == 0 ? "" : ",", row.teamNumber);
        for (int s = 1; s <= table.stageCount; ++s) {
            const StageStanding& st = row.stages[s];
            std::printf("%s{\"stage\": %d, \"penaltyPoints\": %d, \"stagePoints\": %d, \"totalPoints\": %d, "
                        "\"stagePlace\": %d, \"totalPlace\": %d}",
                        s == 1 ? "" : ", ", s, st.penaltyPoints, st.stagePoints, st.totalPoints, st.stagePlace,
                        st.totalPlace);
        }
        std::printf("]}");
    }
    std::printf("\n]}\n");
}

} // namespace

int runClassify(const Arguments& args)
{
    const auto [json, positional] = splitJsonFlag(args);
    if (positional.size() != 1) {
        std::fprintf(stderr, "usage: trop-cli classify [--json] CATEGORY_FOLDER\n");
        return 2;
    }
    const std::string& folderArgument = positional.front();
    const std::filesystem::path folder = normalizedFolder(folderArgument);
    if (const std::string problem = categoryFolderProblem(folder); !problem.empty()) {
        std::fprintf(stderr, "trop-cli classify: %s: %s\n", folderArgument.c_str(), problem.c_str());
        return 1;
    }
    auto members = std::make_unique<MemberTable>();
    auto table = std::make_unique<ClassificationTable>();
    ClassificationFailure failure;
    switch (classifyCategory(folder, *members, *table, &failure)) {
    case ClassificationResult::MembersUnreadable:
    case ClassificationResult::StageUnreadable:
        reportUnreadable("classify", folderArgument, failure);
        return 1;
    case ClassificationResult::NoMembers:
        if (json)
            std::printf("{\"stageCount\": 0, \"rows\": []}\n");
        else
            std::fprintf(stderr, "trop-cli classify: %s: the category has no participants\n", folderArgument.c_str());
        return 0;
    case ClassificationResult::Built:
        break;
    }
    if (json)
        printJson(*table);
    else
        printGrid(overallResultsGrid(*table, *members));
    return 0;
}

} // namespace trop::cli
