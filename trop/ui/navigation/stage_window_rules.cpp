#include "stage_window_rules.h"

#include "folder_access.h"
#include "trop/model/members.h"
#include "trop/store/competition_store.h"
#include "trop/store/messages.h"

namespace trop {

using namespace menu_text;

StageWindowRules::StageWindowRules(const CategoryContext& category, int stage, WindowOpener& opener)
    : opener_(opener)
{
    context_.category = category;
    context_.stage = stage;
    context_.stageFolderName = stageFolderName(stage);
    context_.stageFolder = category.categoryFolder / context_.stageFolderName;
    context_.title = category.competitionName + "      kategoria  " + category.categoryDisplayName +
                     "      etap  " + context_.stageFolderName;
}

StageWindowRules::~StageWindowRules() = default;

bool StageWindowRules::open()
{
    entries_.clear();
    members_ = std::make_unique<MemberTable>();
    context_.members = members_.get();
    const int count = loadMembers(context_.category.categoryFolder, *members_);
    if (count < 0) {
        showMessage(7, kMembersFileName);
        context_.memberCount = 0;
        return true;
    }
    context_.memberCount = count;
    if (!canEnterFolder(context_.stageFolder)) {
        showMessage(8, context_.stageFolderName);
        return false;
    }
    entries_ = {{"Lista startowa", EntryIcon::StartList, 0},
                {"Definicja trasy", EntryIcon::RouteDefinition, 0},
                {"Rezultat", EntryIcon::StartCards, 0},
                {"Klasyfikacja", EntryIcon::StageResults, 0},
                {"Statystyka", EntryIcon::FinishOrder, 0}};
    return true;
}

std::vector<MenuEntry> StageWindowRules::menuFor(int target) const
{
    if (!isEntry(target))
        return {{NavigationCommand::Close, kClose}};
    if (target == kStartListIndex || target == kStageResultsIndex)
        return {{NavigationCommand::Open, kOpen},
                {NavigationCommand::Print, kPrint},
                {NavigationCommand::PrinterSetup, kPrinterSetup}};
    return {{NavigationCommand::Open, kOpen}};
}

CommandResult StageWindowRules::openEntry(int index)
{
    switch (isEntry(index) ? index : kNoEntry) {
    case kStartListIndex:
        opener_.openStartList(context_);
        break;
    case kRouteDefinitionIndex:
        opener_.openRouteDefinition(context_);
        break;
    case kStartCardsIndex:
        opener_.openStartCards(context_);
        break;
    case kStageResultsIndex:
        opener_.openStageResultsList(context_);
        break;
    case kFinishOrderIndex:
        opener_.openFinishOrder(context_);
        break;
    default:
        break;
    }
    return CommandResult::Nothing;
}

CommandResult StageWindowRules::run(NavigationCommand command, int target)
{
    switch (command) {
    case NavigationCommand::Close:
        return CommandResult::CloseWindow;
    case NavigationCommand::Open:
        return openEntry(target);
    case NavigationCommand::PrinterSetup:
        opener_.printerSetup();
        return CommandResult::Nothing;
    case NavigationCommand::Print:
        if (target == kStartListIndex && isEntry(target))
            opener_.printStartList(context_);
        else if (target == kStageResultsIndex && isEntry(target))
            opener_.printStageResultDetails(context_);
        return CommandResult::Nothing;
    default:
        return CommandResult::Nothing;
    }
}

} // namespace trop
