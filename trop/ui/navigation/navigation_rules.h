// What every navigation window shows and does, without any widget: the
// entries of its icon list, the popup menu for a target entry and the
// commands. The Qt window only draws the entries and forwards the user's
// requests here; tests drive these classes directly.
#pragma once

#include <string>
#include <vector>

namespace trop {

// Artwork only: which picture an entry shows.
enum class EntryIcon {
    Add,
    Competition,
    Category,
    Participants,
    OverallResults,
    Stage,
    StartList,
    RouteDefinition,
    StartCards,
    StageResults,
    FinishOrder,
};

struct NavigationEntry {
    std::string text; // UTF-8
    EntryIcon icon = EntryIcon::Add;
    int data = 0;     // category number or stage digit where the window has one
};

enum class NavigationCommand { Add, Close, Open, Edit, Print, PrinterSetup, Remove, Export };

struct MenuEntry {
    NavigationCommand command;
    const char* text; // UTF-8, as the user sees it
};

// What the window has to do after a command.
enum class CommandResult {
    Nothing,
    ListChanged, // entries were rebuilt: show them anew
    CloseWindow,
};

// Index of the empty space in menu requests.
inline constexpr int kNoEntry = -1;

class NavigationRules {
public:
    virtual ~NavigationRules() = default;

    virtual std::string title() const = 0;
    const std::vector<NavigationEntry>& entries() const { return entries_; }

    // The popup for a menu request on target (kNoEntry for the empty space).
    // An index past the entries counts as the empty space.
    virtual std::vector<MenuEntry> menuFor(int target) const = 0;

    // A double click on an entry.
    virtual CommandResult openEntry(int index) = 0;

    // A command chosen from the popup of target.
    virtual CommandResult run(NavigationCommand command, int target) = 0;

protected:
    bool isEntry(int index) const { return index >= 0 && index < static_cast<int>(entries_.size()); }

    std::vector<NavigationEntry> entries_;
};

// Menu texts shared by the windows.
namespace menu_text {
inline constexpr const char* kAdd = "Dodaj";
inline constexpr const char* kClose = "Zamknij";
inline constexpr const char* kOpen = "Otwórz";
inline constexpr const char* kEdit = "Edytuj";
inline constexpr const char* kPrint = "Drukuj";
inline constexpr const char* kPrinterSetup = "Ustawienia drukarki";
inline constexpr const char* kRemove = "Usuń";
inline constexpr const char* kExport = "Export";
} // namespace menu_text

} // namespace trop
