// The large-icon list of the navigation windows. It only reports requests:
// a double click on an entry asks to open it, a right-button press asks for
// the popup of the entry under the pointer (-1 on empty space). The Menu key
// and Shift+F10 ask for the popup of the current entry, so the keyboard
// reaches every command. Enter does nothing; Esc is left to the window.
#pragma once

#include <QListWidget>

namespace trop {

class NavigationList : public QListWidget {
    Q_OBJECT
public:
    explicit NavigationList(QWidget* parent = nullptr);

signals:
    void openRequested(int index);
    void menuRequested(int index, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int entryAt(const QPoint& pos) const;
};

} // namespace trop
