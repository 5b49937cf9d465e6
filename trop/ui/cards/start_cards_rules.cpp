#include "start_cards_rules.h"

#include "card_entry_rules.h"

#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/store/messages.h"

namespace trop {

StartCardsRules::StartCardsRules(const std::filesystem::path& stageFolder, const MemberTable& members,
                                 const std::string& stageTitle, int currentYear)
    : stageTitle_(stageTitle)
{
    cards_.stageFolder = stageFolder;
    cards_.members = &members;
    cards_.currentYear = currentYear;
}

bool StartCardsRules::open()
{
    if (loadResults(cards_.stageFolder, *cards_.table) < 0) {
        showMessage(7, kResultsFileName);
        return false;
    }
    if (!loadStageDefinition(cards_.stageFolder, *cards_.stage)) {
        showMessage(7, kStageDefinitionFileName);
        return false;
    }
    loadFailed_ = false;
    for (int team : teamNumbers(*cards_.members)) {
        rows_.push_back({team, std::to_string(team) + " ", teamSurnames(*cards_.members, team, ",    ")});
        if (ensureCard(*cards_.table, team))
            cards_.changed = true;
    }
    recalculate();
    return true;
}

std::string StartCardsRules::title() const
{
    return "Karty startowe :      " + stageTitle_;
}

void StartCardsRules::recalculate()
{
    if (!loadFailed_ && reevaluateStoredCards(*cards_.table, *cards_.stage))
        cards_.changed = true;
}

std::unique_ptr<CardEntryRules> StartCardsRules::openCard(int teamNumber)
{
    if (loadFailed_)
        return nullptr;
    const int index = findCard(*cards_.table, teamNumber);
    if (index < 0) {
        showMessageText("Drużyna " + std::to_string(teamNumber) +
                            " nie ma karty: w wynikach etapu jest już " + std::to_string(kMaxCards) + " kart.",
                        MessageStyle::Notice);
        return nullptr;
    }
    return std::make_unique<CardEntryRules>(cards_, index);
}

void StartCardsRules::cardWindowEnded(bool reportsChange)
{
    if (reportsChange)
        cards_.changed = true;
}

void StartCardsRules::close()
{
    if (loadFailed_ || !cards_.changed)
        return;
    reevaluateStoredCards(*cards_.table, *cards_.stage);
    saveStoredCards(cards_);
}

} // namespace trop
