#include "trop/ui/results/results_list_rules.h"

#include "trop/print/classification.h"
#include "trop/print/overall_results.h"
#include "trop/print/stage_results_list.h"
#include "trop/store/messages.h"

#include <memory>

namespace trop {

ResultsListRules ResultsListRules::forCategory(const std::filesystem::path& categoryFolder)
{
    ResultsListRules rules;
    auto members = std::make_unique<MemberTable>();
    auto table = std::make_unique<ClassificationTable>();
    ClassificationFailure failure;
    switch (classifyCategory(categoryFolder, *members, *table, &failure)) {
    case ClassificationResult::MembersUnreadable:
    case ClassificationResult::StageUnreadable:
        showMessage(7, failure.fileText);
        return rules;
    case ClassificationResult::NoMembers:
        return rules;
    case ClassificationResult::Built:
        break;
    }
    rules.grid_ = overallResultsGrid(*table, *members);
    rules.closesAtOnce_ = false;
    return rules;
}

ResultsListRules ResultsListRules::forStage(const std::filesystem::path& stageFolder,
                                            const std::filesystem::path& categoryFolder)
{
    ResultsListRules rules;
    auto cards = std::make_unique<ResultsTable>();
    const TableRead cardsRead = readResults(stageFolder, *cards);
    if (!cardsRead.usable()) {
        showMessage(7, kResultsFileName);
        return rules;
    }
    auto members = std::make_unique<MemberTable>();
    if (!readMembers(categoryFolder, *members).usable()) {
        showMessage(7, kMembersFileName);
        return rules;
    }
    rules.grid_ = stageResultsGrid(*cards, cardsRead.count, *members);
    rules.closesAtOnce_ = false;
    return rules;
}

} // namespace trop
