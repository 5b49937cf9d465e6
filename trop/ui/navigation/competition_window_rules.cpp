#include "competition_window_rules.h"

#include "category_window_rules.h"
#include "folder_access.h"
#include "navigation_host.h"
#include "trop/store/messages.h"
#include "trop/store/store_actions.h"
#include "trop/ui/dialogs/category_dialog_flow.h"

namespace trop {

using namespace menu_text;

CompetitionWindowRules::CompetitionWindowRules(const std::filesystem::path& root, const std::string& competitionName,
                                               NavigationHost& host, WindowOpener& opener)
    : root_(root), competitionName_(competitionName), folder_(root / competitionName), host_(host), opener_(opener)
{
}

bool CompetitionWindowRules::open()
{
    if (!canEnterFolder(folder_)) {
        showMessage(8, competitionName_);
        return false;
    }
    rebuildList();
    return true;
}

void CompetitionWindowRules::rebuildList()
{
    categories_ = listCategories(folder_);
    entries_.clear();
    entries_.push_back({kAdd, EntryIcon::Add, 0});
    for (const CategoryEntry& category : categories_)
        entries_.push_back({category.displayName, EntryIcon::Category, category.number});
}

std::vector<MenuEntry> CompetitionWindowRules::menuFor(int target) const
{
    if (target == 0)
        return {{NavigationCommand::Add, kAdd}};
    if (isCategory(target))
        return {{NavigationCommand::Open, kOpen}, {NavigationCommand::Remove, kRemove}};
    return {{NavigationCommand::Add, kAdd}, {NavigationCommand::Close, kClose}};
}

CommandResult CompetitionWindowRules::openEntry(int index)
{
    if (index == 0)
        return addCategory();
    if (isCategory(index))
        openCategory(categories_[index - 1]);
    return CommandResult::Nothing;
}

CommandResult CompetitionWindowRules::run(NavigationCommand command, int target)
{
    switch (command) {
    case NavigationCommand::Add:
        return addCategory();
    case NavigationCommand::Close:
        return CommandResult::CloseWindow;
    default:
        break;
    }
    if (!isCategory(target))
        return CommandResult::Nothing;
    // Copied: rebuilding the list must not pull the entry from under us.
    // The folder is the one listed, not one rebuilt from the shown name, so a
    // custom category is removed by its real folder name.
    const CategoryEntry category = categories_[target - 1];
    switch (command) {
    case NavigationCommand::Open:
        openCategory(category);
        return CommandResult::Nothing;
    case NavigationCommand::Remove:
        if (!removeCategory(folder_, category))
            return CommandResult::Nothing;
        rebuildList();
        return CommandResult::ListChanged;
    default:
        return CommandResult::Nothing;
    }
}

CommandResult CompetitionWindowRules::addCategory()
{
    CategoryDialogFlow flow(folder_);
    if (!host_.runCategoryDialog(flow))
        return CommandResult::Nothing;
    rebuildList();
    return CommandResult::ListChanged;
}

void CompetitionWindowRules::openCategory(const CategoryEntry& category)
{
    CategoryWindowRules child(root_, competitionName_, category, host_, opener_);
    if (child.open())
        host_.runCategoryWindow(child);
}

} // namespace trop
