// The report list of the participants editor: one selectable row at a time,
// drawn with the results lists' cell cutting. It turns the user's input into
// requests: double click and Enter edit, Delete cuts, a right click or the
// Menu key (Shift+F10) asks for the popup.
#pragma once

#include <QTreeWidget>

namespace trop {

class ParticipantsList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ParticipantsList(QWidget* parent = nullptr);

    int currentRow() const;
    int rowAt(const QPoint& viewportPos) const;

signals:
    void editRequested(int row);
    void cutRequested(int row);
    void menuRequested(int row, const QPoint& globalPos); // row -1: the empty space

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace trop
