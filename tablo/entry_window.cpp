#include "tablo/entry_window.h"

#include "tablo/board/board_categories.h"
#include "tablo/board_window.h"
#include "tablo/tablo_about.h"
#include "trop/store/competition_store.h"
#include "trop/store/folder_access.h"
#include "trop/store/messages.h"

#include <QApplication>
#include <QListWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace tablo {
namespace {

QString fromFileName(const std::string& name) { return QString::fromUtf8(name.data(), qsizetype(name.size())); }

// A category's picture: its code on a tile of its own colour.
QIcon categoryIcon(const QString& code, int number)
{
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv((number * 47) % 360, 140, 200));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect(), Qt::AlignCenter, code);
    return QIcon(picture);
}

} // namespace

EntryWindow::EntryWindow(EntryWindowTexts texts, std::vector<Entry> entries,
                         std::function<void(const Entry&)> open, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), texts_(std::move(texts)), entries_(std::move(entries)),
      open_(std::move(open))
{
    setWindowTitle(texts_.title);
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(QSize(48, 48));
    list_->setGridSize(QSize(120, 84));
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setWordWrap(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setAccessibleName(texts_.title);
    for (const Entry& entry : entries_)
        new QListWidgetItem(entry.icon, entry.shownName, list_);
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { openRow(list_->row(item)); });
    connect(list_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        showMenu(list_->itemAt(pos), list_->viewport()->mapToGlobal(pos));
    });
    list_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    resize(520, 360);
}

void EntryWindow::openRow(int row)
{
    if (row >= 0 && row < int(entries_.size()))
        open_(entries_[std::size_t(row)]);
}

// The Menu key and Shift+F10 give the menu of the current entry, at its middle.
bool EntryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != list_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Menu && !(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))
        return false;
    QListWidgetItem* item = list_->currentItem();
    const QRect area = item ? list_->visualItemRect(item) : list_->viewport()->rect();
    showMenu(item, list_->viewport()->mapToGlobal(area.center()));
    return true;
}

void EntryWindow::showMenu(QListWidgetItem* item, const QPoint& globalPos)
{
    QMenu menu(this);
    QAction* open = item ? menu.addAction(texts_.openCommand) : nullptr;
    QAction* close = item ? nullptr : menu.addAction(texts_.closeCommand);
    menu.addSeparator();
    QAction* about = menu.addAction(QString::fromUtf8(kAboutEntry));
    QAction* chosen = menu.exec(globalPos);
    if (!chosen)
        return;
    if (chosen == open)
        openRow(list_->row(item));
    else if (chosen == close)
        accept();
    else if (chosen == about)
        showTabloAbout(this);
}

std::vector<Entry> competitionEntries(const std::filesystem::path& root)
{
    const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    std::vector<Entry> entries;
    for (const std::string& name : trop::listCompetitions(root))
        entries.push_back({name, fromFileName(name), folder});
    return entries;
}

std::vector<Entry> categoryEntries(const std::filesystem::path& competitionFolder)
{
    std::vector<Entry> entries;
    for (const trop::CategoryEntry& category : boardCategories(competitionFolder)) {
        const QString code = fromFileName(category.displayName);
        entries.push_back({category.folderName, code, categoryIcon(code, category.number)});
    }
    return entries;
}

void runCompetitionsWindow(const std::filesystem::path& root)
{
    EntryWindow* window = nullptr;
    auto open = [&](const Entry& entry) { runCategoriesWindow(root, entry.folderName, window); };
    EntryWindow competitions({QStringLiteral("Wyniki"), QStringLiteral("Otwórz"), QStringLiteral("Zamknij")},
                             competitionEntries(root), open);
    window = &competitions;
    competitions.exec();
}

void runCategoriesWindow(const std::filesystem::path& root, const std::string& competitionName, QWidget* parent)
{
    const std::filesystem::path competition = root / competitionName;
    if (!trop::canEnterFolder(competition)) {
        trop::showMessage(8, competitionName);
        return;
    }
    EntryWindow* window = nullptr;
    auto open = [&](const Entry& entry) {
        runBoardWindow(competition / entry.folderName, competitionName, entry.folderName, window);
    };
    EntryWindow categories({fromFileName(competitionName), QStringLiteral("Pokaż"), QStringLiteral("Zakończ")},
                           categoryEntries(competition), open, parent);
    window = &categories;
    categories.exec();
}

} // namespace tablo
