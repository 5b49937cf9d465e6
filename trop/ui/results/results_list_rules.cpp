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
    switch (classifyCategory(categoryFolder, *members, *table)) {
    case ClassificationResult::MembersUnreadable:
        showMessage(7, kMembersFileName);
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
    const int cardTotal = loadResults(stageFolder, *cards);
    if (cardTotal < 0) {
        showMessage(7, kResultsFileName);
        return rules;
    }
    auto members = std::make_unique<MemberTable>();
    if (loadMembers(categoryFolder, *members) < 0) {
        showMessage(7, kMembersFileName);
        return rules;
    }
    rules.grid_ = stageResultsGrid(*cards, cardTotal, *members);
    rules.closesAtOnce_ = false;
    return rules;
}

} // namespace trop
