#include "participants_editor.h"

#include "import_preview_dialog.h"
#include "member_dialog.h"
#include "participants_list.h"
#include "trop/ui/navigation/nested_window_state.h"
#include "trop/ui/text_codec.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QVBoxLayout>

#include <memory>

namespace trop {

ParticipantsEditor::ParticipantsEditor(ParticipantsEditorRules& rules, QWidget* parent)
    : QDialog(parent), rules_(rules), list_(new ParticipantsList(this))
{
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(fromUtf8(rules_.title()));
    setSizeGripEnabled(true);

    QStringList titles;
    for (int c = 0; c < kParticipantColumnCount; ++c)
        titles << QString::fromUtf8(participantColumn(static_cast<ParticipantColumn>(c)).title);
    list_->setColumnCount(kParticipantColumnCount);
    list_->setHeaderLabels(titles);
    int width = 0;
    for (int c = 0; c < kParticipantColumnCount; ++c) {
        const int columnWidth = participantColumn(static_cast<ParticipantColumn>(c)).width;
        list_->setColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    list_->setColumnHidden(0, true);
    list_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    list_->setAccessibleName(windowTitle());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    resize(qMin(width + 40, 1200), 520);

    connect(list_, &ParticipantsList::editRequested, this, [this](int row) { run(EditorCommand::Edit, row); });
    connect(list_, &ParticipantsList::cutRequested, this, [this](int row) { run(EditorCommand::Cut, row); });
    connect(list_, &ParticipantsList::menuRequested, this, &ParticipantsEditor::showMenu);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { rules_.select(list_->currentRow()); });
    showRows();
    list_->setFocus();
}

void ParticipantsEditor::showRows()
{
    // Keep the view steady: the same first visible row, one further when the
    // selected row would fall at or past the bottom.
    const int firstVisible = list_->rowAt(QPoint(1, 1));
    const QSignalBlocker blocker(list_);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    const int rowCount = static_cast<int>(rules_.rows().size());
    items.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        auto* item = new QTreeWidgetItem;
        for (int c = 1; c < kParticipantColumnCount; ++c)
            item->setText(c, fromCp1250(rules_.cellText(r, static_cast<ParticipantColumn>(c))));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    list_->addTopLevelItems(items);
    if (rowCount == 0)
        return;
    const int selected = rules_.selectedRow();
    if (firstVisible > 0 && firstVisible < rowCount)
        list_->scrollToItem(list_->topLevelItem(firstVisible), QAbstractItemView::PositionAtTop);
    QTreeWidgetItem* selectedItem = list_->topLevelItem(selected);
    const QRect area = list_->visualItemRect(selectedItem);
    if (area.bottom() >= list_->viewport()->height())
        list_->verticalScrollBar()->setValue(list_->verticalScrollBar()->value() + 1);
    list_->setCurrentItem(selectedItem, 1);
    list_->scrollToItem(selectedItem);
}

QMenu* ParticipantsEditor::createMenu(int row)
{
    auto* menu = new QMenu(this);
    const std::vector<EditorMenuEntry> entries = rules_.menuFor(row);
    for (const EditorMenuEntry& entry : entries) {
        if (entry.command == EditorCommand::Close)
            menu->addSeparator();
        QAction* action = menu->addAction(QString::fromUtf8(entry.text));
        action->setEnabled(entry.enabled);
        const EditorCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command, row] { run(command, row); });
    }
    return menu;
}

void ParticipantsEditor::showMenu(int row, const QPoint& globalPos)
{
    QMenu* menu = createMenu(row);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos);
}

void ParticipantsEditor::run(EditorCommand command, int row)
{
    bool changed = false;
    switch (command) {
    case EditorCommand::Edit:
        changed = rules_.edit(row);
        break;
    case EditorCommand::Cut:
        changed = rules_.cut(row);
        break;
    case EditorCommand::Insert:
        changed = rules_.insert(row);
        break;
    case EditorCommand::Import:
        changed = rules_.importMembers();
        break;
    case EditorCommand::Export:
        rules_.exportMembers();
        break;
    case EditorCommand::Close:
        close();
        return;
    }
    if (changed)
        showRows();
}

void ParticipantsEditor::reject()
{
    if (rules_.close())
        QDialog::reject();
}

void ParticipantsEditor::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    followNestedWindowState(*this, event);
}

bool QtParticipantsHost::runMemberDialog(MemberDialogFlow& flow)
{
    MemberDialog dialog(flow, QApplication::activeModalWidget());
    return dialog.exec() == QDialog::Accepted;
}

namespace {

const QString kSpreadsheetFilter = QString::fromUtf8("Pliki CSV (*.csv);;Wszystkie pliki (*)");

std::filesystem::path chosenPath(const QString& file)
{
    return file.isEmpty() ? std::filesystem::path() : std::filesystem::path(file.toStdString());
}

} // namespace

std::filesystem::path QtParticipantsHost::chooseImportFile()
{
    return chosenPath(QFileDialog::getOpenFileName(QApplication::activeModalWidget(),
                                                   QString::fromUtf8("Importuj z pliku"), QDir::homePath(),
                                                   kSpreadsheetFilter));
}

std::filesystem::path QtParticipantsHost::chooseExportFile()
{
    const QString suggested = QDir::home().filePath(fromUtf8(categoryName_) + ".csv");
    return chosenPath(QFileDialog::getSaveFileName(QApplication::activeModalWidget(),
                                                   QString::fromUtf8("Eksportuj do pliku"), suggested,
                                                   kSpreadsheetFilter));
}

bool QtParticipantsHost::confirmImport(const ImportPlan& plan)
{
    ImportPreviewDialog dialog(plan, QApplication::activeModalWidget());
    return dialog.exec() == QDialog::Accepted;
}

void openParticipantsEditorWindow(QWidget* parent, const CategoryContext& category)
{
    auto table = std::make_unique<MemberTable>();
    QtParticipantsHost host(category.categoryDisplayName);
    ParticipantsEditorRules rules(category, *table, host, QDate::currentDate().year());
    if (!rules.open())
        return;
    ParticipantsEditor window(rules, parent);
    window.exec();
}

} // namespace trop
