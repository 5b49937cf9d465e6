// "Lista startowa": the start list of a stage in an owner-drawn list, its
// popup ("Generuj", "Sortuj", "Zamknij"), the start time edit over a row and
// a status line that names the seed of the last draw. Everything it decides
// comes from StartListRules.
#pragma once

#include <QDialog>

class QMenu;
class QStatusBar;
class QTreeWidget;

namespace trop {

class StartListRules;
class StartTimeEdit;

class StartListWindow : public QDialog {
    Q_OBJECT
public:
    StartListWindow(StartListRules& rules, const QString& title, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QStatusBar* statusLine() const { return status_; }
    // The edit box while a start time is being edited, else nullptr.
    StartTimeEdit* openEdit() const;

    // The popup; its commands apply at once. Owned by the caller.
    QMenu* createMenu();
    // The commands of the popup.
    void generate();
    void sort();
    // Opens the start time edit over the row.
    void editStartTime(int row);

    // Closing (Escape, "Zamknij", the close box): an open edit is taken
    // first, then the rules decide whether the window may close.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRows();
    void showRow(int row);
    void showMenu(const QPoint& globalPos);
    void placeEdit();
    bool commitEdit();
    void cancelEdit();

    StartListRules& rules_;
    QTreeWidget* list_;
    QStatusBar* status_;
    StartTimeEdit* edit_;
    int editedRow_ = -1;
    bool committing_ = false;
};

// Opens the window for the stage, modal. Nothing is shown when "Start.List"
// cannot be read (message 7).
void openStartListWindow(QWidget* parent, StartListRules& rules, const QString& title);

} // namespace trop
