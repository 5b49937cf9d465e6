// What the start list window of a stage shows and does, without widgets: its
// rows, the generation with its parameters and seed, sorting, editing a start
// time, and the question on closing.
#pragma once

#include "trop/model/start_list_generation.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

struct MemberTable;

// One row; texts are code page 1250 bytes.
struct StartListRow {
    std::string time;    // "%d "
    std::string team;    // "%d ", blank for an empty position
    std::string members; // the team label
};

enum class StartListCommand { Generate, Sort, Close };

struct StartListMenuEntry {
    StartListCommand command;
    const char* text; // UTF-8
};

// The window's popup: "Generuj", "Sortuj", "Zamknij".
const std::vector<StartListMenuEntry>& startListMenu();

// "Lista startowa :      " followed by the stage window's title.
std::string startListTitle(const std::string& stageTitle);

// The highest start time that may be typed.
inline constexpr int kMaxTypedStartTime = 600;

class StartListRules {
public:
    // Seeds the draw of a generation; the clock's seconds unless a test says otherwise.
    using SeedSource = std::function<std::uint32_t()>;
    static std::uint32_t clockSeed();

    // members: the category's table loaded by the stage window (nullptr: no members).
    StartListRules(std::filesystem::path stageFolder, const MemberTable* members, SeedSource seeds = clockSeed);
    ~StartListRules();

    // Loads "Start.List" (a missing file is created empty). False, after
    // message 7, when it cannot be read: the window then closes at once.
    bool open();

    int rowCount() const { return count_; }
    StartListRow row(int index) const;
    const StartList& list() const { return *list_; }
    bool changed() const { return changed_; }

    // The parameters offered by the next generation (the last ones accepted).
    const StartListParams& params() const { return params_; }
    // "Generuj" after the parameters were accepted: a new list from a new
    // seed, marked as changed. Tells the user when empty positions had to
    // be dropped to keep every team within the table.
    void generate(const StartListParams& params);
    // The seed of the last draw, shown so the draw can be repeated; empty
    // before the first one.
    std::string statusText() const;

    // "Sortuj": by start time; the list is not marked as changed.
    void sort();

    // The text an edit of the row's start time begins with.
    std::string startTimeText(int index) const;
    // Enter (or the focus leaving) in the start time edit. A whole number
    // 0..600 is stored and marks the list as changed; anything else is
    // refused with the standard message and false (the edit stays open).
    bool setStartTime(int index, std::string_view typed);

    // Closing. When the list was changed, message 12 is asked; Yes saves.
    // False when the save failed (message 7): the window stays open and
    // keeps the changes. No discards them.
    bool close();

private:
    std::filesystem::path stageFolder_;
    const MemberTable* members_;
    SeedSource seeds_;
    std::unique_ptr<StartList> list_;
    int count_ = 0;
    bool changed_ = false;
    StartListParams params_;
    std::optional<std::uint32_t> lastSeed_;
};

} // namespace trop
