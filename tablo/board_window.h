// The results board window: the board's lines in a table that fills the
// window, one line every two seconds. The font grows with the window so that
// the chosen number of lines fills it; F11 switches to full screen; the mouse
// cursor is hidden over the board; the right button gives the menu (line
// count, full screen, About, close). Escape or the close box ends the board.
#pragma once

#include "tablo/board/board_rules.h"
#include "tablo/board_model.h"

#include <QDialog>
#include <QTimer>

#include <filesystem>
#include <string>
#include <vector>

class QTableView;

namespace tablo {

// The window's QTimer as the board's timer.
class QtBoardTimer : public BoardTimer {
public:
    explicit QtBoardTimer(QTimer& timer) : timer_(timer) {}
    void start(int periodMs) override { timer_.start(periodMs); }
    void stop() override { timer_.stop(); }

private:
    QTimer& timer_;
};

class BoardWindow : public QDialog {
    Q_OBJECT
public:
    BoardWindow(std::filesystem::path categoryFolder, const QString& title, QWidget* parent = nullptr);
    ~BoardWindow() override;

    // Reads the board and starts its timer; false when there is nothing to
    // show (the caller then does not show the window).
    bool openBoard();

    void setChosenLines(int lines);
    int chosenLines() const { return chosenLines_; }
    // One timer period, as the timer gives it.
    void tick();
    QTableView* view() const { return view_; }
    const BoardRules& rules() const { return rules_; }
    bool timerActive() const { return timer_.isActive(); }

public slots:
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::vector<int> baseColumnWidths() const;
    void refit();
    void showLines();
    void toggleFullScreen();

    QTimer timer_;
    QtBoardTimer boardTimer_{timer_};
    BoardRules rules_;
    BoardModel model_;
    QTableView* view_;
    int chosenLines_;
    int linesThatFit_ = 1;
};

// Opens the board of a category (message 8 when its folder cannot be
// entered) and runs it until it is closed.
void runBoardWindow(const std::filesystem::path& categoryFolder, const std::string& competitionName,
                    const std::string& categoryFolderName, QWidget* parent);

} // namespace tablo
