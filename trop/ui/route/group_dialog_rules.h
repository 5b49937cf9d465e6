// What the group dialog "Grupa nr %d" does, without widgets: its two lists,
// moving points between them, its confirmations field and OK.
#pragma once

#include "trop/model/stage_definition.h"

#include <optional>
#include <string>
#include <vector>

namespace trop {

class GroupDialogRules {
public:
    // `group` is what the dialog opens on; `groupIndex` names it in the title.
    // Members and available points come cleaned of indices out of range and
    // repetitions; available are the points that belong to no group.
    GroupDialogRules(const StageDefinition& stage, int groupIndex, const PointGroup& group);

    std::string title() const; // "Grupa nr %d"
    const std::vector<int>& members() const { return members_; }
    const std::vector<int>& available() const { return available_; }
    std::string label(int point) const; // code page 1250

    // The confirmations field; the window passes back what was typed before
    // a list changes, since a change may set it.
    const std::string& confirmationsText() const { return confirmationsText_; }
    void setConfirmationsText(std::string text) { confirmationsText_ = std::move(text); }
    bool confirmationsEnabled() const { return !members_.empty() && !special_; }
    bool okEnabled() const { return !members_.empty(); }
    bool holdsLopOrArea() const { return special_; }

    // Double click or Enter on a line: moves the point to the end of the
    // other list. Adding is refused with message 14 when it would mix a LOP
    // or an area with other points. True when the lists changed.
    bool addMember(int availableLine);
    bool removeMember(int memberLine);

    // OK: the confirmations 1..50 and, unless the group holds a LOP or an
    // area, at most its number of members (standard messages). The group to
    // store, or nothing (the focus stays on the field).
    std::optional<PointGroup> accept() const;

private:
    void updateFromMembers();

    const StageDefinition& stage_;
    int groupIndex_;
    std::vector<int> members_;
    std::vector<int> available_;
    std::string confirmationsText_;
    bool special_ = false;
};

} // namespace trop
