// One stage: the five views "Lista startowa", "Definicja trasy", "Rezultat",
// "Klasyfikacja", "Statystyka". The category's members are loaded on opening
// and their count is handed to the views that need it.
#pragma once

#include "navigation_rules.h"
#include "window_opener.h"

#include <memory>

namespace trop {

class StageWindowRules : public NavigationRules {
public:
    static constexpr int kStartListIndex = 0;
    static constexpr int kRouteDefinitionIndex = 1;
    static constexpr int kStartCardsIndex = 2;
    static constexpr int kStageResultsIndex = 3;
    static constexpr int kFinishOrderIndex = 4;

    StageWindowRules(const CategoryContext& category, int stage, WindowOpener& opener);
    ~StageWindowRules() override;

    // Loads the category's members. When they cannot be read, message 7 with
    // the members file and the window shows no entries (true). Otherwise the
    // stage folder must be enterable: else message 8 with the stage folder
    // name and false (the window must not show).
    bool open();

    std::string title() const override { return context_.title; }
    std::vector<MenuEntry> menuFor(int target) const override;
    CommandResult openEntry(int index) override;
    CommandResult run(NavigationCommand command, int target) override;

    const StageContext& context() const { return context_; }

private:
    StageContext context_;
    std::unique_ptr<MemberTable> members_;
    WindowOpener& opener_;
};

} // namespace trop
