#include "trop/print/category_export.h"

#include "trop/print/category_folder.h"
#include "trop/print/results_export.h"
#include "trop/store/header_files.h"

#include <memory>

namespace trop {

CategoryExportOutcome exportCategory(const std::filesystem::path& categoryFolder, const std::filesystem::path& file,
                                     const std::string& competitionName, const std::string& categoryDisplayName,
                                     const std::string& timestamp)
{
    CategoryExportOutcome outcome;
    CompetitionHeader header{};
    const std::filesystem::path competitionFolder = normalizedFolder(categoryFolder).parent_path();
    outcome.headerRead = readCompetitionHeader(competitionFolder, header) == HeaderRead::Ok;

    auto members = std::make_unique<MemberTable>();
    auto classification = std::make_unique<ClassificationTable>();
    outcome.classification = classifyCategory(categoryFolder, *members, *classification, &outcome.failure);
    if (outcome.readFailed())
        return outcome;
    const bool built = outcome.classification == ClassificationResult::Built;

    ResultsExportInput input;
    input.competitionName = competitionName;
    input.categoryDisplayName = categoryDisplayName;
    input.header = outcome.headerRead ? &header : nullptr;
    input.members = built ? members.get() : nullptr;
    input.classification = built ? classification.get() : nullptr;
    input.timestamp = timestamp;
    outcome.written = writeResultsExport(file, resultsExportBytes(input));
    return outcome;
}

} // namespace trop
