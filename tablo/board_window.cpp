#include "tablo/board_window.h"

#include "tablo/board/board_fit.h"
#include "tablo/tablo_about.h"
#include "trop/print/overall_results.h"
#include "trop/store/competition_store.h"
#include "trop/store/folder_access.h"
#include "trop/store/messages.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include <numeric>
#include <utility>

namespace tablo {
namespace {

constexpr int kLineChoices[] = {10, 15, 20, 25, 30};

// The chosen line count is the board's one setting, kept per user.
QSettings boardSettings()
{
    return QSettings(QStringLiteral("Lirnik"), QStringLiteral("Tablo"));
}

} // namespace

BoardWindow::BoardWindow(std::filesystem::path categoryFolder, const QString& title, QWidget* parent)
    : QDialog(parent), rules_(std::move(categoryFolder), boardTimer_), view_(new QTableView(this))
{
    setWindowTitle(title);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    chosenLines_ = boardSettings().value(QStringLiteral("Global/Lines"), kDefaultBoardLines).toInt();
    if (chosenLines_ < 1)
        chosenLines_ = kDefaultBoardLines;

    view_->setModel(&model_);
    view_->setAccessibleName(title);
    view_->verticalHeader()->hide();
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setContextMenuPolicy(Qt::NoContextMenu); // the window's menu
    view_->horizontalHeader()->setSectionsClickable(false);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The board is read from across the room, not pointed at.
    view_->viewport()->setCursor(Qt::BlankCursor);
    view_->horizontalHeader()->setCursor(Qt::BlankCursor);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(view_);
    connect(&timer_, &QTimer::timeout, this, &BoardWindow::tick);
    resize(900, 600);
}

BoardWindow::~BoardWindow()
{
    rules_.close();
}

bool BoardWindow::openBoard()
{
    if (!rules_.open())
        return false;
    showLines();
    refit();
    return true;
}

void BoardWindow::setChosenLines(int lines)
{
    chosenLines_ = std::max(lines, 1);
    boardSettings().setValue(QStringLiteral("Global/Lines"), chosenLines_);
    refit();
}

void BoardWindow::tick()
{
    rules_.tick(linesThatFit_);
    showLines();
}

void BoardWindow::done(int result)
{
    rules_.close();
    QDialog::done(result);
}

void BoardWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    refit();
}

void BoardWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_F11:
        toggleFullScreen();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return; // Enter does nothing on the board
    default:
        QDialog::keyPressEvent(event);
    }
}

void BoardWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QMenu* linesMenu = menu.addMenu(QStringLiteral("Liczba wierszy"));
    for (int lines : kLineChoices) {
        QAction* action = linesMenu->addAction(QString::number(lines), this, [this, lines] { setChosenLines(lines); });
        action->setCheckable(true);
        action->setChecked(lines == chosenLines_);
    }
    QAction* fullScreen = menu.addAction(QStringLiteral("Pełny ekran\tF11"), this, &BoardWindow::toggleFullScreen);
    fullScreen->setCheckable(true);
    fullScreen->setChecked(isFullScreen());
    menu.addAction(QString::fromUtf8(kAboutEntry), this, [this] {
        // No line is added while the box is open.
        const bool running = timer_.isActive();
        timer_.stop();
        showTabloAbout(this);
        if (running)
            timer_.start(kBoardPeriodMs);
    });
    menu.addSeparator();
    menu.addAction(QStringLiteral("Zamknij"), this, &QDialog::reject);
    menu.exec(event->globalPos());
}

std::vector<int> BoardWindow::baseColumnWidths() const
{
    QFont titleFont = font();
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    std::vector<int> widths;
    for (int c = 0; c < model_.columnCount(); ++c) {
        const QString title = model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        widths.push_back(std::max(model_.baseWidth(c), metrics.horizontalAdvance(title) + 2 * metrics.averageCharWidth()));
    }
    return widths;
}

void BoardWindow::refit()
{
    const std::vector<int> widths = baseColumnWidths();
    const QRect area = view_->contentsRect();
    const BoardFit fit = fitBoardWidth(fitBoardLines(area.height(), chosenLines_), area.width(),
                                       std::accumulate(widths.begin(), widths.end(), 0));
    linesThatFit_ = fit.lines;

    QFont font = this->font();
    font.setPixelSize(std::max(scaledWidth(13, fit.linePixels), 8));
    view_->setFont(font);
    font.setBold(true);
    view_->horizontalHeader()->setFont(font);
    view_->horizontalHeader()->setFixedHeight(fit.linePixels);
    view_->verticalHeader()->setMinimumSectionSize(1);
    view_->verticalHeader()->setDefaultSectionSize(fit.linePixels);

    QHeaderView* header = view_->horizontalHeader();
    for (int c = 0; c < model_.columnCount(); ++c) {
        header->setSectionResizeMode(c, model_.stretches(c) ? QHeaderView::Stretch : QHeaderView::Fixed);
        if (!model_.stretches(c))
            header->resizeSection(c, scaledWidth(widths[std::size_t(c)], fit.linePixels));
    }
    if (int(rules_.state().lines.size()) > linesThatFit_)
        showLines();
}

void BoardWindow::showLines()
{
    BoardState shown = rules_.state();
    trimToFit(shown, linesThatFit_);
    const int columnsBefore = model_.columnCount();
    model_.show(rules_.columns(), shown.lines);
    if (model_.columnCount() != columnsBefore)
        refit();
}

void BoardWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void runBoardWindow(const std::filesystem::path& categoryFolder, const std::string& competitionName,
                    const std::string& categoryFolderName, QWidget* parent)
{
    if (!trop::canEnterFolder(categoryFolder)) {
        trop::showMessage(8, categoryFolderName);
        return;
    }
    const std::string title = trop::overallResultsTitle(competitionName, trop::categoryDisplayName(categoryFolderName));
    BoardWindow board(categoryFolder, QString::fromUtf8(title.c_str()), parent);
    if (!board.openBoard())
        return;
    board.exec();
}

} // namespace tablo
