// One category: "Dodaj" (0), "Uczestnicy" (1), "Wyniki" (2), then one entry
// per stage folder "E0".."E9" with the stage digit as entry data.
#pragma once

#include "navigation_rules.h"
#include "window_opener.h"
#include "trop/store/competition_store.h"

#include <filesystem>

namespace trop {

class NavigationHost;

class CategoryWindowRules : public NavigationRules {
public:
    static constexpr int kAddIndex = 0;
    static constexpr int kParticipantsIndex = 1;
    static constexpr int kResultsIndex = 2;
    static constexpr int kFirstStageIndex = 3;

    CategoryWindowRules(const std::filesystem::path& root, const std::string& competitionName,
                        const CategoryEntry& category, NavigationHost& host, WindowOpener& opener);

    // Enters the category folder and lists it. When the folder cannot be
    // entered, message 8 with the folder name and false: the window must not show.
    bool open();

    std::string title() const override;
    std::vector<MenuEntry> menuFor(int target) const override;
    CommandResult openEntry(int index) override;
    CommandResult run(NavigationCommand command, int target) override;

    void rebuildList();
    const CategoryContext& context() const { return context_; }

private:
    CommandResult addStage();
    CommandResult runOnParticipants(NavigationCommand command);
    CommandResult runOnResults(NavigationCommand command);
    CommandResult runOnStage(NavigationCommand command, int stage);
    void openStage(int stage);
    bool isStage(int index) const { return index >= kFirstStageIndex && isEntry(index); }

    CategoryContext context_;
    NavigationHost& host_;
    WindowOpener& opener_;
};

} // namespace trop
