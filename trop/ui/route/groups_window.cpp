#include "groups_window.h"

#include "group_dialog.h"
#include "list_activation.h"
#include "trop/ui/results/results_cell_delegate.h"
#include "trop/ui/text_codec.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {

GroupsWindow::GroupsWindow(GroupsWindowRules& rules, StageDefinition& stage, const QString& title, QWidget* parent)
    : QDialog(parent), rules_(rules), stage_(stage)
{
    setWindowTitle(title);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName("Grupy");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setItemDelegate(new ResultsCellDelegate(list_));
    list_->setHeaderLabels({"", "Numer grupy ", "Punkty", QString::fromUtf8("Ilość potwiedzeń")});
    list_->header()->setMinimumSectionSize(0);
    const int widths[] = {0, 75, 430, 93};
    // Each column at least as wide as its heading.
    const QFontMetrics metrics = list_->header()->fontMetrics();
    for (int column = 0; column < 4; ++column) {
        const int heading = column == 0 ? 0 : metrics.horizontalAdvance(list_->headerItem()->text(column)) + 16;
        list_->setColumnWidth(column, std::max(widths[column], heading));
    }
    list_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list_->header()->setStretchLastSection(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    resize(660, 360);

    setListActions(list_, {[this](int row) { edit(row); }, [this](int row) { cut(row); },
                           [this](int row, QPoint at) { showMenu(row, at); }});
    refill(0);
    list_->setFocus();
}

void GroupsWindow::refill(int selectRow)
{
    list_->clear();
    for (const GroupRow& row : rules_.rows()) {
        auto* item = new QTreeWidgetItem(list_, {"", fromCp1250(row.number), fromCp1250(row.points),
                                                 fromCp1250(row.confirmations)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    const int row = rules_.rowAfterRefill(selectRow);
    if (QTreeWidgetItem* item = list_->topLevelItem(std::max(row, 0))) {
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

void GroupsWindow::edit(int row)
{
    if (!rules_.canEdit(row))
        return;
    GroupDialogRules dialogRules(stage_, row, rules_.groupToEdit(row));
    GroupDialog dialog(dialogRules, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.group())
        return;
    rules_.storeGroup(row, *dialog.group());
    refill(row);
}

void GroupsWindow::cut(int row)
{
    if (rules_.cut(row))
        refill(row);
}

void GroupsWindow::paste(int row)
{
    if (rules_.paste(row))
        refill(row);
}

void GroupsWindow::showMenu(int row, QPoint at)
{
    QMenu menu(this);
    QAction* edit = menu.addAction("Edytuj");
    QAction* cut = menu.addAction("Wytnij");
    QAction* paste = menu.addAction("Wstaw");
    QAction* close = menu.addAction("Zamknij");
    edit->setEnabled(rules_.canEdit(row));
    cut->setEnabled(rules_.canCut(row));
    paste->setEnabled(rules_.canPaste(row));
    QAction* chosen = menu.exec(at);
    if (chosen == edit)
        this->edit(row);
    else if (chosen == cut)
        this->cut(row);
    else if (chosen == paste)
        this->paste(row);
    else if (chosen == close)
        reject();
}

void GroupsWindow::reject()
{
    if (rules_.close())
        QDialog::reject();
}

} // namespace trop
