// The competitions list ("Trop"): "Dodaj" and every competition folder of the
// store root.
#pragma once

#include "navigation_rules.h"

#include <filesystem>

namespace trop {

class NavigationHost;
class WindowOpener;

class MainWindowRules : public NavigationRules {
public:
    MainWindowRules(const std::filesystem::path& root, NavigationHost& host, WindowOpener& opener);

    std::string title() const override { return "Trop"; }
    std::vector<MenuEntry> menuFor(int target) const override;
    CommandResult openEntry(int index) override;
    CommandResult run(NavigationCommand command, int target) override;

    void rebuildList();

private:
    CommandResult addCompetition();
    void openCompetition(const std::string& name);
    bool isCompetition(int index) const { return index >= 1 && isEntry(index); }

    std::filesystem::path root_;
    NavigationHost& host_;
    WindowOpener& opener_;
};

} // namespace trop
