#include "category_window_rules.h"

#include "folder_access.h"
#include "navigation_host.h"
#include "stage_window_rules.h"
#include "trop/store/messages.h"
#include "trop/store/store_actions.h"
#include "trop/ui/dialogs/stage_dialog_flow.h"

namespace trop {

using namespace menu_text;

CategoryWindowRules::CategoryWindowRules(const std::filesystem::path& root, const std::string& competitionName,
                                         const CategoryEntry& category, NavigationHost& host, WindowOpener& opener)
    : host_(host), opener_(opener)
{
    context_.competitionFolder = root / competitionName;
    context_.categoryFolder = context_.competitionFolder / category.folderName;
    context_.competitionName = competitionName;
    context_.categoryFolderName = category.folderName;
    context_.categoryDisplayName = category.displayName;
    context_.categoryNumber = category.number;
}

bool CategoryWindowRules::open()
{
    if (!canEnterFolder(context_.categoryFolder)) {
        showMessage(8, context_.categoryFolderName);
        return false;
    }
    rebuildList();
    return true;
}

std::string CategoryWindowRules::title() const
{
    return context_.competitionName + "      kategoria  " + context_.categoryDisplayName;
}

void CategoryWindowRules::rebuildList()
{
    entries_.clear();
    entries_.push_back({kAdd, EntryIcon::Add, 0});
    entries_.push_back({"Uczestnicy", EntryIcon::Participants, 0});
    entries_.push_back({"Wyniki", EntryIcon::OverallResults, 0});
    for (int stage : listStages(context_.categoryFolder))
        entries_.push_back({stageFolderName(stage), EntryIcon::Stage, stage});
}

std::vector<MenuEntry> CategoryWindowRules::menuFor(int target) const
{
    if (!isEntry(target))
        return {{NavigationCommand::Add, kAdd}, {NavigationCommand::Close, kClose}};
    switch (target) {
    case kAddIndex:
        return {{NavigationCommand::Add, kAdd}};
    case kParticipantsIndex:
        return {{NavigationCommand::Open, kOpen},
                {NavigationCommand::Print, kPrint},
                {NavigationCommand::PrinterSetup, kPrinterSetup}};
    case kResultsIndex:
        return {{NavigationCommand::Open, kOpen},
                {NavigationCommand::Print, kPrint},
                {NavigationCommand::PrinterSetup, kPrinterSetup},
                {NavigationCommand::Export, kExport}};
    default:
        return {{NavigationCommand::Open, kOpen},
                {NavigationCommand::Edit, kEdit},
                {NavigationCommand::Remove, kRemove}};
    }
}

CommandResult CategoryWindowRules::openEntry(int index)
{
    if (!isEntry(index))
        return CommandResult::Nothing;
    switch (index) {
    case kAddIndex:
        return addStage();
    case kParticipantsIndex:
        return runOnParticipants(NavigationCommand::Open);
    case kResultsIndex:
        return runOnResults(NavigationCommand::Open);
    default:
        openStage(entries_[index].data);
        return CommandResult::Nothing;
    }
}

CommandResult CategoryWindowRules::run(NavigationCommand command, int target)
{
    if (command == NavigationCommand::Add)
        return addStage();
    if (command == NavigationCommand::Close)
        return CommandResult::CloseWindow;
    if (target == kParticipantsIndex)
        return runOnParticipants(command);
    if (target == kResultsIndex)
        return runOnResults(command);
    if (isStage(target))
        return runOnStage(command, entries_[target].data);
    return CommandResult::Nothing;
}

CommandResult CategoryWindowRules::runOnParticipants(NavigationCommand command)
{
    switch (command) {
    case NavigationCommand::Open:
        opener_.openParticipantsEditor(context_);
        break;
    case NavigationCommand::Print:
        opener_.printParticipants(context_);
        break;
    case NavigationCommand::PrinterSetup:
        opener_.printerSetup();
        break;
    default:
        break;
    }
    return CommandResult::Nothing;
}

CommandResult CategoryWindowRules::runOnResults(NavigationCommand command)
{
    switch (command) {
    case NavigationCommand::Open:
        opener_.openOverallResults(context_);
        break;
    case NavigationCommand::Print:
        opener_.printCategoryResults(context_);
        break;
    case NavigationCommand::PrinterSetup:
        opener_.printerSetup();
        break;
    case NavigationCommand::Export:
        opener_.exportResults(context_);
        break;
    default:
        break;
    }
    return CommandResult::Nothing;
}

CommandResult CategoryWindowRules::runOnStage(NavigationCommand command, int stage)
{
    switch (command) {
    case NavigationCommand::Open:
        openStage(stage);
        return CommandResult::Nothing;
    case NavigationCommand::Edit: {
        StageDialogFlow flow = StageDialogFlow::forEdit(context_.categoryFolder, stage);
        host_.runStageDialog(flow);
        return CommandResult::Nothing;
    }
    case NavigationCommand::Remove:
        if (!removeStage(context_.categoryFolder, stage))
            return CommandResult::Nothing;
        rebuildList();
        return CommandResult::ListChanged;
    default:
        return CommandResult::Nothing;
    }
}

CommandResult CategoryWindowRules::addStage()
{
    StageDialogFlow flow = StageDialogFlow::forNew(context_.categoryFolder);
    if (!host_.runStageDialog(flow))
        return CommandResult::Nothing;
    rebuildList();
    return CommandResult::ListChanged;
}

void CategoryWindowRules::openStage(int stage)
{
    StageWindowRules child(context_, stage, opener_);
    if (child.open())
        host_.runStageWindow(child);
}

} // namespace trop
