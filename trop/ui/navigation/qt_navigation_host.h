// Runs the dialogs and the child navigation windows as modal widgets over
// the window that is active at the time.
#pragma once

#include "navigation_host.h"

class QWidget;

namespace trop {

class QtNavigationHost : public NavigationHost {
public:
    bool runCompetitionDialog(CompetitionDialogFlow& flow) override;
    bool runStageDialog(StageDialogFlow& flow) override;
    bool runCategoryDialog(CategoryDialogFlow& flow) override;
    void runCompetitionWindow(CompetitionWindowRules& rules) override;
    void runCategoryWindow(CategoryWindowRules& rules) override;
    void runStageWindow(StageWindowRules& rules) override;

private:
    static QWidget* currentParent();
};

} // namespace trop
