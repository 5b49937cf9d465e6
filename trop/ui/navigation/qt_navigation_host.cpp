#include "qt_navigation_host.h"

#include "category_window_rules.h"
#include "competition_window_rules.h"
#include "navigation_window.h"
#include "stage_window_rules.h"
#include "trop/ui/dialogs/category_dialog.h"
#include "trop/ui/dialogs/competition_dialog.h"
#include "trop/ui/dialogs/stage_dialog.h"

#include <QApplication>

namespace trop {

namespace {

void runWindow(NavigationRules& rules, QWidget* parent)
{
    NavigationWindow window(rules, parent);
    window.exec();
}

} // namespace

QWidget* QtNavigationHost::currentParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

bool QtNavigationHost::runCompetitionDialog(CompetitionDialogFlow& flow)
{
    CompetitionDialog dialog(flow, currentParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtNavigationHost::runStageDialog(StageDialogFlow& flow)
{
    StageDialog dialog(flow, currentParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtNavigationHost::runCategoryDialog(CategoryDialogFlow& flow)
{
    CategoryDialog dialog(flow, currentParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtNavigationHost::runCompetitionWindow(CompetitionWindowRules& rules)
{
    runWindow(rules, currentParent());
}

void QtNavigationHost::runCategoryWindow(CategoryWindowRules& rules)
{
    runWindow(rules, currentParent());
}

void QtNavigationHost::runStageWindow(StageWindowRules& rules)
{
    runWindow(rules, currentParent());
}

} // namespace trop
