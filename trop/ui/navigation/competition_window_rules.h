// The categories of one competition: "Dodaj" and one entry per category
// folder, shown by display name, with the category number as entry data.
#pragma once

#include "navigation_rules.h"
#include "trop/store/competition_store.h"

#include <filesystem>

namespace trop {

class NavigationHost;
class WindowOpener;

class CompetitionWindowRules : public NavigationRules {
public:
    CompetitionWindowRules(const std::filesystem::path& root, const std::string& competitionName,
                           NavigationHost& host, WindowOpener& opener);

    // Enters the competition folder and lists it. When the folder cannot be
    // entered, message 8 with the name and false: the window must not show.
    bool open();

    std::string title() const override { return competitionName_; }
    std::vector<MenuEntry> menuFor(int target) const override;
    CommandResult openEntry(int index) override;
    CommandResult run(NavigationCommand command, int target) override;

    void rebuildList();
    const std::filesystem::path& folder() const { return folder_; }

private:
    CommandResult addCategory();
    void openCategory(const CategoryEntry& category);
    bool isCategory(int index) const { return index >= 1 && isEntry(index); }

    std::filesystem::path root_;
    std::string competitionName_;
    std::filesystem::path folder_;
    NavigationHost& host_;
    WindowOpener& opener_;
    std::vector<CategoryEntry> categories_; // entry i is categories_[i - 1]
};

} // namespace trop
