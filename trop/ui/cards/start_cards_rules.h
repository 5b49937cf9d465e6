// The start cards list ("Karty startowe :"): one row per team of the
// category, a card for every team, and what opening, "Przelicz" and closing
// do to the stage's cards. Qt-free; the window only shows it.
#pragma once

#include "cards_stage.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace trop {

class CardEntryRules;

struct StartCardsRow {
    int teamNumber = 0;
    std::string number;   // "%d "
    std::string surnames; // joined by ",    " (code page 1250)
};

class StartCardsRules {
public:
    // members: the category's participants as the stage window loaded them.
    StartCardsRules(const std::filesystem::path& stageFolder, const MemberTable& members,
                    const std::string& stageTitle, int currentYear);

    // Loads "Results" and the stage definition (message 7 on a file error,
    // and false: the window then closes at once), gives every team a card and
    // re-evaluates all cards.
    bool open();

    std::string title() const; // "Karty startowe :      " + the stage window's title
    const std::vector<StartCardsRow>& rows() const { return rows_; }

    // "Przelicz".
    void recalculate();

    // The card entry window for a team, or nothing (after a message) when
    // the team has no card, as when the table of 1000 cards is full.
    std::unique_ptr<CardEntryRules> openCard(int teamNumber);
    // The card entry window ended; reportsChange as it said.
    void cardWindowEnded(bool reportsChange);

    // Closing: with changes, all cards are re-evaluated and "Results" saved.
    void close();

    bool changed() const { return cards_.changed; }
    CardsStage& cards() { return cards_; }

private:
    CardsStage cards_;
    std::string stageTitle_;
    std::vector<StartCardsRow> rows_;
    bool loadFailed_ = true;
};

} // namespace trop
