// What the groups window does, without widgets: its rows, which menu
// commands are offered, editing, cutting and pasting groups, and closing.
#pragma once

#include "trop/model/stage_definition.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trop {

// One row of the list; texts in code page 1250.
struct GroupRow {
    std::string number;        // "%d "
    std::string points;        // point labels joined by ",  "
    std::string confirmations; // "  %d", empty on the new-group row

    bool operator==(const GroupRow&) const = default;
};

class GroupsWindowRules {
public:
    GroupsWindowRules(StageDefinition& stage, std::filesystem::path stageFolder);

    // A row per group, then the new-group row while there are fewer than 30.
    std::vector<GroupRow> rows() const;
    bool isNewGroupRow(int row) const;

    // Menu commands for a row (-1: no row under the pointer).
    bool canEdit(int row) const;
    bool canCut(int row) const;
    bool canPaste(int row) const;

    // The group the group dialog opens on: a copy of the group, or an empty
    // group with one confirmation on the new-group row.
    PointGroup groupToEdit(int row) const;
    // The group dialog's OK: stores the group (a new one at the end).
    void storeGroup(int row, const PointGroup& group);

    // "Wytnij" / Delete and "Wstaw". True when the list changed.
    bool cut(int row);
    bool paste(int row);
    bool clipboardFull() const { return clipboardFull_; }

    // The row that stays selected after a refill: the same, or the last.
    int rowAfterRefill(int row) const;

    // Close box, Escape or "Zamknij": message 13 when changed; Yes saves (a
    // failed save shows message 7 and keeps the window open), No reloads.
    // True when the window closes (the rules dialog follows).
    bool close();
    bool changed() const { return changed_; }

private:
    StageDefinition& stage_;
    std::filesystem::path folder_;
    PointGroup clipboard_{};
    bool clipboardFull_ = false;
    bool changed_ = false;
};

} // namespace trop
