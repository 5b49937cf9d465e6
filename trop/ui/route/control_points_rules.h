// What the control points editor does, without widgets: which point is
// shown, what its buttons show, what each click, menu command and key does,
// the validation and commit of the point's fields, and the closing steps.
// Works on the stage definition it is given; texts are code page 1250.
#pragma once

#include "code_dialog_flow.h"
#include "trop/model/stage_definition.h"
#include "trop/model/stage_edits.h"
#include "trop/store/custom_colours.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trop {

enum class AddingMode { None, Controls, Associated };

// The fields of the current point as the window holds them.
struct PointFields {
    std::string description1;
    std::string description2;
    std::string confirmations;
    bool isLop = false;
    bool isArea = false;
    bool markedOnMap = false;

    bool operator==(const PointFields&) const = default;
};

enum class PointField { None, Description1, Description2, Confirmations };
enum class PointTick { Lop, Area, MarkedOnMap };

// What a colour button shows; a hidden button is disabled too.
struct ButtonFace {
    std::string text;
    std::uint32_t colour = 0;
    bool visible = false;

    bool operator==(const ButtonFace&) const = default;
};

inline constexpr std::uint32_t kPlusColour = 0x00C0C0C0;
inline constexpr std::uint32_t kAddingColour = 0x00FFFFFF;

// The outcome of a step that validates and commits the current point:
// refused ones name the field that takes the focus.
struct PointStep {
    bool done = true;
    PointField focus = PointField::None;
};

struct EditorClosing {
    bool closes = false;
    bool opensGroups = false; // the groups window follows
    PointField focus = PointField::None;
};

class ControlPointsRules {
public:
    ControlPointsRules(StageDefinition& stage, std::filesystem::path stageFolder);

    // Notes whether "Results" exists, loads the stage definition (message 7
    // and loadFailed() on failure), shows point 0 and loads the custom
    // colours.
    void open();
    bool loadFailed() const { return loadFailed_; }
    bool resultsExist() const { return resultsExist_; }
    bool changed() const { return changed_; }
    CustomColours& customColours() { return colours_; }
    const StageDefinition& stage() const { return stage_; }

    int currentPoint() const { return current_; }
    AddingMode addingMode() const { return adding_; }
    std::string pointNumberText() const; // current point + 1
    PointFields pointFields() const;     // of the current point, as stored

    ButtonFace codeButton(int position) const; // display positions 0..167
    ButtonFace pointButton(PointList list, int position) const; // 0..20

    // The ticking of "LOP", "OBSZAR" and "Naniesiony na mapę": the fields as
    // they become. LOP and area exclude each other; with neither the
    // confirmations become 1. Making a point of a group of several points a
    // LOP or an area is refused with message 14 (the box is unticked).
    PointFields tick(const PointFields& fields, PointTick which, bool checked) const;
    static bool confirmationsEnabled(const PointFields& fields) { return fields.isLop || fields.isArea; }

    // "<" and ">": validate and commit the fields, then move. `fields` take
    // the texts as stored (trimmed), or the new point's fields after a move.
    PointStep previous(PointFields& fields);
    PointStep next(PointFields& fields);

    // Validates and commits the fields into the current point. On the empty
    // slot nothing is checked or committed.
    PointStep commit(PointFields& fields);

    // A click on a point button: the "+" after the list switches the adding
    // mode; other buttons do nothing.
    void clickPointButton(PointList list, int position);
    // A click on a code button while adding appends that code to the current
    // point (creating the point on the empty slot). True when it did.
    bool clickCode(int position);
    bool isAddCodePosition(int position) const;
    // The code dialog of the add-code button ended: `choice` on OK.
    void addCode(const std::optional<CodeChoice>& choice);

    // Right-button menus.
    bool codeMenuOffered(int position) const; // positions 1.. below codeCount
    bool codeDeletionEnabled() const;         // greyed when results exist
    int codeEntryAt(int position) const;      // code-table index, -1 if none
    void editCode(int position, const CodeChoice& choice);
    void deleteCode(int position);
    bool pointMenuOffered(PointList list, int position) const;
    void removeMarker(PointList list, int position);

    // "Usuń": deletes the current point when it exists; the point now at the
    // current index (or the empty slot) is shown.
    bool deletePoint();

    // The close box or Escape, with the fields as the window holds them.
    EditorClosing close(PointFields& fields);

private:
    void showPoint(int index);
    void moveTo(int index, PointFields& fields);
    bool onEmptySlot() const;
    PointField validate(const PointFields& fields) const;
    bool confirmDuplicateDescription(const std::string& description1) const;
    void store(const PointFields& fields);
    int markerCount(PointList list) const;
    void markChanged() { changed_ = true; }

    StageDefinition& stage_;
    std::filesystem::path folder_;
    CustomColours colours_{};
    std::vector<int> displayOrder_;
    int current_ = 0;
    AddingMode adding_ = AddingMode::None;
    bool changed_ = false;
    bool resultsExist_ = false;
    bool loadFailed_ = false;
};

} // namespace trop
