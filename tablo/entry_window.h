// The two list windows before the board: "Wyniki" (the competitions of the
// store) and a competition's categories. Double click or Enter opens an
// entry; the right button (or the Menu key) gives the entry's menu ("Otwórz"
// or "Pokaż"), elsewhere the window's ("Zamknij" or "Zakończ"), both with the
// About entry, since the board programs have no menu bar.
#pragma once

#include <QDialog>
#include <QIcon>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;

namespace tablo {

struct EntryWindowTexts {
    QString title;
    QString openCommand;  // "Otwórz" / "Pokaż"
    QString closeCommand; // "Zamknij" / "Zakończ"
};

struct Entry {
    std::string folderName; // UTF-8 file name
    QString shownName;
    QIcon icon;
};

class EntryWindow : public QDialog {
    Q_OBJECT
public:
    // open is called with the chosen entry while this window stays open.
    EntryWindow(EntryWindowTexts texts, std::vector<Entry> entries, std::function<void(const Entry&)> open,
                QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

private:
    void openRow(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showMenu(QListWidgetItem* item, const QPoint& globalPos);

    QListWidget* list_;
    EntryWindowTexts texts_;
    std::vector<Entry> entries_;
    std::function<void(const Entry&)> open_;
};

// The entries of the two windows.
std::vector<Entry> competitionEntries(const std::filesystem::path& root);
std::vector<Entry> categoryEntries(const std::filesystem::path& competitionFolder);

// "Wyniki": every competition of the store root.
void runCompetitionsWindow(const std::filesystem::path& root);

// The board categories of one competition; message 8 and nothing when its
// folder cannot be entered.
void runCategoriesWindow(const std::filesystem::path& root, const std::string& competitionName, QWidget* parent);

} // namespace tablo
