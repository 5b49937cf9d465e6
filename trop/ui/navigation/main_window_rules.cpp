#include "main_window_rules.h"

#include "competition_window_rules.h"
#include "navigation_host.h"
#include "window_opener.h"
#include "trop/store/competition_store.h"
#include "trop/store/store_actions.h"
#include "trop/ui/dialogs/competition_dialog_flow.h"

namespace trop {

using namespace menu_text;

MainWindowRules::MainWindowRules(const std::filesystem::path& root, NavigationHost& host, WindowOpener& opener)
    : root_(root), host_(host), opener_(opener)
{
    rebuildList();
}

void MainWindowRules::rebuildList()
{
    entries_.clear();
    entries_.push_back({kAdd, EntryIcon::Add, 0});
    for (const std::string& name : listCompetitions(root_))
        entries_.push_back({name, EntryIcon::Competition, 0});
}

std::vector<MenuEntry> MainWindowRules::menuFor(int target) const
{
    if (target == 0)
        return {{NavigationCommand::Add, kAdd}};
    if (isCompetition(target))
        return {{NavigationCommand::Open, kOpen},
                {NavigationCommand::Edit, kEdit},
                {NavigationCommand::Print, kPrint},
                {NavigationCommand::PrinterSetup, kPrinterSetup},
                {NavigationCommand::Remove, kRemove}};
    return {{NavigationCommand::Add, kAdd}, {NavigationCommand::Close, kClose}};
}

CommandResult MainWindowRules::openEntry(int index)
{
    if (index == 0)
        return addCompetition();
    if (isCompetition(index))
        openCompetition(entries_[index].text);
    return CommandResult::Nothing;
}

CommandResult MainWindowRules::run(NavigationCommand command, int target)
{
    switch (command) {
    case NavigationCommand::Add:
        return addCompetition();
    case NavigationCommand::Close:
        return CommandResult::CloseWindow;
    default:
        break;
    }
    if (!isCompetition(target)) {
        if (command == NavigationCommand::PrinterSetup)
            opener_.printerSetup();
        return CommandResult::Nothing;
    }
    // Copied: rebuilding the list must not pull the name from under us.
    const std::string name = entries_[target].text;
    switch (command) {
    case NavigationCommand::Open:
        openCompetition(name);
        return CommandResult::Nothing;
    case NavigationCommand::Edit: {
        CompetitionDialogFlow flow = CompetitionDialogFlow::forEdit(root_, name);
        host_.runCompetitionDialog(flow);
        return CommandResult::Nothing;
    }
    case NavigationCommand::Print:
        opener_.printCompetitionResults(root_ / name, name);
        return CommandResult::Nothing;
    case NavigationCommand::PrinterSetup:
        opener_.printerSetup();
        return CommandResult::Nothing;
    case NavigationCommand::Remove:
        if (!removeCompetition(root_, name))
            return CommandResult::Nothing;
        rebuildList();
        return CommandResult::ListChanged;
    default:
        return CommandResult::Nothing;
    }
}

CommandResult MainWindowRules::addCompetition()
{
    CompetitionDialogFlow flow = CompetitionDialogFlow::forNew(root_);
    if (!host_.runCompetitionDialog(flow))
        return CommandResult::Nothing;
    rebuildList();
    return CommandResult::ListChanged;
}

void MainWindowRules::openCompetition(const std::string& name)
{
    CompetitionWindowRules child(root_, name, host_, opener_);
    if (child.open())
        host_.runCompetitionWindow(child);
}

} // namespace trop
