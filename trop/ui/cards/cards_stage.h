// What the start cards list holds for its card windows: the stage's cards and
// route, the category's participants, the box clipboard and the list's
// "changed" flag. The card entry window and the confirmation editor work on
// it; only the start cards list creates it.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/members.h"
#include "trop/model/stage_definition.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace trop {

// The boxes of the last card changed in the confirmation editor, so that
// they can be carried to another team's card ("Tramwaj").
struct BoxClipboard {
    bool filled = false;
    int teamNumber = 0;
    Confirmation boxes[kBoxCount] = {};
};

// Adds a code typed in "Kod" to the route (the code dialog): gets the stage
// and the typed text (code page 1250) and returns whether a code was added
// at the end of the code table and the stage definition saved.
using CodeAdder = std::function<bool(StageDefinition& stage, const std::string& typedCode)>;

struct CardsStage {
    std::filesystem::path stageFolder;
    std::unique_ptr<ResultsTable> table = std::make_unique<ResultsTable>();
    std::unique_ptr<StageDefinition> stage = std::make_unique<StageDefinition>();
    const MemberTable* members = nullptr;
    int currentYear = 2000; // for the question about a longer time limit
    BoxClipboard clipboard;
    CodeAdder addCode;
    bool changed = false; // the table must be saved when the list closes
};

// Re-evaluates every stored card; true when any byte of any card changed
// (not only stage points: a route edit that charges every team alike changes
// their penalty points and must be saved as well).
bool reevaluateStoredCards(ResultsTable& table, const StageDefinition& stage);

// Writes "Results"; message 7 on a file error.
bool saveStoredCards(const CardsStage& cards);

} // namespace trop
