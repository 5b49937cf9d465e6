#include "start_cards_window.h"

#include "card_entry_window.h"
#include "code_adder.h"

#include "trop/ui/navigation/window_opener.h"
#include "trop/ui/text_codec.h"

#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {
namespace {

// Dialog units of a column width in pixels (a dialog unit is a quarter of
// the average character width).
int columnWidth(int dialogUnits, const QWidget* widget)
{
    return dialogUnits * widget->fontMetrics().averageCharWidth() / 4;
}

} // namespace

StartCardsWindow::StartCardsWindow(StartCardsRules& rules, QWidget* parent)
    : QDialog(parent), rules_(rules), list_(new QTreeWidget(this))
{
    setWindowTitle(fromCp1250(rules.title()));
    setModal(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName("Karty startowe");
    list_->setColumnCount(3);
    list_->setHeaderLabels({QString(), "Nr ", "Zespół"});
    list_->setColumnHidden(0, true);
    list_->setColumnWidth(1, columnWidth(40, list_));
    list_->setColumnWidth(2, columnWidth(600, list_));
    list_->header()->setStretchLastSection(false);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    fillRows();

    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        openCard(item->data(0, Qt::UserRole).toInt());
    });
    connect(list_, &QWidget::customContextMenuRequested, this, &StartCardsWindow::showMenu);
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), list_, [this] {
        showMenu(list_->visualItemRect(list_->currentItem()).center());
    });
    menuKey->setContext(Qt::WidgetShortcut);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    resize(qMin(list_->columnWidth(1) + list_->columnWidth(2) + 40, 1000), 480);
    list_->setFocus();
}

void StartCardsWindow::fillRows()
{
    for (const StartCardsRow& row : rules_.rows()) {
        auto* item = new QTreeWidgetItem(list_);
        item->setData(0, Qt::UserRole, row.teamNumber);
        item->setText(1, fromCp1250(row.number));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(2, fromCp1250(row.surnames));
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
}

int StartCardsWindow::currentTeam() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void StartCardsWindow::showMenu(const QPoint& position)
{
    QTreeWidgetItem* item = list_->itemAt(position);
    QMenu menu(this);
    QAction* edit = menu.addAction("Edytuj");
    QAction* recalculate = menu.addAction("Przelicz");
    QAction* close = menu.addAction("Zamknij");
    edit->setEnabled(item != nullptr);
    QAction* chosen = menu.exec(list_->viewport()->mapToGlobal(position));
    if (chosen == edit && item)
        openCard(item->data(0, Qt::UserRole).toInt());
    else if (chosen == recalculate)
        rules_.recalculate();
    else if (chosen == close)
        QDialog::reject();
}

void StartCardsWindow::openCard(int teamNumber)
{
    std::unique_ptr<CardEntryRules> card = rules_.openCard(teamNumber);
    if (!card)
        return;
    CardEntryWindow window(*card, fromCp1250(rules_.title()), this);
    window.exec();
    activateWindow();
    rules_.cardWindowEnded(window.reportsChange());
}

void StartCardsWindow::done(int result)
{
    if (!closed_) {
        closed_ = true;
        rules_.close();
    }
    QDialog::done(result);
}

void openStartCardsWindow(QWidget* parent, const StageContext& stage)
{
    if (!stage.members)
        return;
    StartCardsRules rules(stage.stageFolder, *stage.members, toCp1250(fromUtf8(stage.title)),
                          QDate::currentDate().year());
    if (!rules.open())
        return;
    StartCardsWindow window(rules, parent);
    rules.cards().addCode = codeAdderFor(&window, stage.stageFolder);
    window.exec();
}

} // namespace trop
