#include "trop/ui/startlist/start_list_window.h"

#include "trop/ui/navigation/nested_window_state.h"
#include "trop/ui/results/report_list.h"
#include "trop/ui/startlist/start_list_params_dialog.h"
#include "trop/ui/startlist/start_list_rules.h"
#include "trop/ui/startlist/start_time_edit.h"
#include "trop/ui/text_codec.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {
namespace {

constexpr int kTimeColumn = 0;
constexpr int kTeamColumn = 1;
constexpr int kMembersColumn = 2;

bool isMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

bool isEnterKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

StartListWindow::StartListWindow(StartListRules& rules, const QString& title, QWidget* parent)
    : QDialog(parent)
    , rules_(rules)
    , list_(createReportList(this, title))
    , status_(new QStatusBar(this))
    , edit_(new StartTimeEdit(list_->viewport()))
{
    setWindowTitle(title);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setReportColumns(list_, {{QStringLiteral("Czas "), scaledColumnWidth(list_, 40), Qt::AlignRight},
                             {QStringLiteral("Nr "), scaledColumnWidth(list_, 40), Qt::AlignRight},
                             {QString::fromUtf8("Zespół"), scaledColumnWidth(list_, 600), Qt::AlignLeft}});
    list_->setAccessibleDescription(QStringLiteral("Menu: prawy przycisk myszy lub klawisz menu"));
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    status_->setSizeGripEnabled(false);
    status_->setAccessibleName(QStringLiteral("Ziarno losowania"));
    edit_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(list_);
    layout->addWidget(status_);

    connect(list_, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showMenu(list_->viewport()->mapToGlobal(pos)); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { editStartTime(list_->indexOfTopLevelItem(item)); });
    // The edit box follows its row when the list scrolls or a column is resized.
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeEdit(); });
    connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeEdit(); });
    connect(list_->header(), &QHeaderView::sectionResized, this, [this] { placeEdit(); });
    connect(edit_, &StartTimeEdit::commitRequested, this, [this] { commitEdit(); });
    connect(edit_, &StartTimeEdit::cancelRequested, this, [this] { cancelEdit(); });

    fillRows();
    resize(qMin(reportWidth(list_) + 40, 1000), 480);
    list_->setFocus();
}

void StartListWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    followNestedWindowState(*this, event);
}

StartTimeEdit* StartListWindow::openEdit() const
{
    return editedRow_ >= 0 ? edit_ : nullptr;
}

void StartListWindow::fillRows()
{
    const int current = list_->currentIndex().row();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (int r = 0; r < rules_.rowCount(); ++r) {
        auto* item = new QTreeWidgetItem;
        item->setTextAlignment(kTimeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kTeamColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kMembersColumn, Qt::AlignLeft | Qt::AlignVCenter);
        items << item;
    }
    list_->addTopLevelItems(items);
    for (int r = 0; r < rules_.rowCount(); ++r)
        showRow(r);
    if (!items.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(qBound(0, current, static_cast<int>(items.size()) - 1)));
    status_->showMessage(fromUtf8(rules_.statusText()));
}

void StartListWindow::showRow(int row)
{
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item)
        return;
    const StartListRow texts = rules_.row(row);
    item->setText(kTimeColumn, fromCp1250(texts.time));
    item->setText(kTeamColumn, fromCp1250(texts.team));
    item->setText(kMembersColumn, fromCp1250(texts.members));
}

QMenu* StartListWindow::createMenu()
{
    auto* menu = new QMenu(this);
    for (const StartListMenuEntry& entry : startListMenu()) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        switch (entry.command) {
        case StartListCommand::Generate:
            connect(action, &QAction::triggered, this, &StartListWindow::generate);
            break;
        case StartListCommand::Sort:
            connect(action, &QAction::triggered, this, &StartListWindow::sort);
            break;
        case StartListCommand::Close:
            connect(action, &QAction::triggered, this, &StartListWindow::reject);
            break;
        }
    }
    return menu;
}

void StartListWindow::showMenu(const QPoint& globalPos)
{
    if (openEdit() && !commitEdit())
        return;
    QMenu* menu = createMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void StartListWindow::generate()
{
    if (openEdit() && !commitEdit())
        return;
    StartListParamsDialog dialog(rules_.params(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rules_.generate(dialog.params());
    fillRows();
    QApplication::restoreOverrideCursor();
}

void StartListWindow::sort()
{
    if (openEdit() && !commitEdit())
        return;
    rules_.sort();
    fillRows();
}

void StartListWindow::editStartTime(int row)
{
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item || (openEdit() && !commitEdit()))
        return;
    list_->setCurrentItem(item);
    editedRow_ = row;
    placeEdit();
    edit_->setText(fromUtf8(rules_.startTimeText(row)));
    edit_->selectAll();
    edit_->show();
    edit_->setFocus();
}

void StartListWindow::placeEdit()
{
    QTreeWidgetItem* item = list_->topLevelItem(editedRow_);
    if (!item)
        return;
    const QRect row = list_->visualItemRect(item);
    edit_->setGeometry(list_->header()->sectionViewportPosition(kTimeColumn), row.top(),
                       list_->columnWidth(kTimeColumn), row.height());
}

bool StartListWindow::commitEdit()
{
    if (committing_ || editedRow_ < 0)
        return editedRow_ < 0;
    committing_ = true;
    const bool taken = rules_.setStartTime(editedRow_, edit_->text().toStdString());
    committing_ = false;
    if (!taken) {
        edit_->setFocus();
        edit_->selectAll();
        return false;
    }
    showRow(editedRow_);
    cancelEdit();
    return true;
}

void StartListWindow::cancelEdit()
{
    editedRow_ = -1;
    if (edit_->hasFocus())
        list_->setFocus();
    edit_->hide();
}

void StartListWindow::reject()
{
    if (openEdit() && !commitEdit())
        return;
    if (rules_.close())
        QDialog::reject();
}

bool StartListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isMenuKey(*key)) {
            QTreeWidgetItem* item = list_->currentItem();
            const QRect area = item ? list_->visualItemRect(item) : list_->viewport()->rect();
            showMenu(list_->viewport()->mapToGlobal(area.center()));
            return true;
        }
        if (isEnterKey(*key)) {
            editStartTime(list_->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void openStartListWindow(QWidget* parent, StartListRules& rules, const QString& title)
{
    if (!rules.open())
        return;
    StartListWindow window(rules, title, parent);
    window.exec();
}

} // namespace trop
