// How the navigation rules show dialogs and child windows. The program runs
// the real modal widgets; tests answer with a fake that drives the flows.
#pragma once

namespace trop {

class CompetitionDialogFlow;
class StageDialogFlow;
class CategoryDialogFlow;
class CompetitionWindowRules;
class CategoryWindowRules;
class StageWindowRules;

class NavigationHost {
public:
    virtual ~NavigationHost() = default;

    // Each runs its dialog modally over the flow; true when it closed with OK.
    virtual bool runCompetitionDialog(CompetitionDialogFlow& flow) = 0;
    virtual bool runStageDialog(StageDialogFlow& flow) = 0;
    virtual bool runCategoryDialog(CategoryDialogFlow& flow) = 0;

    // Each runs a child window whose rules have already opened successfully,
    // and returns when it is closed.
    virtual void runCompetitionWindow(CompetitionWindowRules& rules) = 0;
    virtual void runCategoryWindow(CategoryWindowRules& rules) = 0;
    virtual void runStageWindow(StageWindowRules& rules) = 0;
};

} // namespace trop
