// What the rules dialog does, without widgets: the order rule and its lists,
// the validation of its fields in their order, "Oblicz", OK and closing.
#pragma once

#include "trop/model/stage_definition.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trop {

// The dialog's fields as the window holds them.
struct RulesFields {
    std::string requiredConfirmations; // "Ilość potwierdzeń"
    std::string stageConstant;
    std::string timeLimit;
    std::string lateLimit;
    std::string taskCorrectValue;
    std::string taskPenaltyPerPoint;
    bool wrongDescriptionIsWrongPoint = false;
    bool taskEnabled = false;
    bool taskDeviationInPercent = false;
};

enum class RulesField {
    None,
    RequiredConfirmations,
    StageConstant,
    LateLimit,
    TimeLimit,
    TaskCorrectValue,
    TaskPenaltyPerPoint,
};

struct RulesStep {
    bool closes = false;
    RulesField focus = RulesField::None; // the refused field
};

class RulesDialogRules {
public:
    RulesDialogRules(StageDefinition& stage, std::filesystem::path stageFolder);

    RulesFields storedFields() const; // the record's values
    int orderRule() const { return stage_.orderRule; }

    // Both lists are used under the point and the group order rules.
    bool listsEnabled() const;
    std::string chosenCaption() const;    // "Wybrane" or empty
    std::string availableCaption() const; // "Dostępne" or empty
    // Lines in code page 1250; "Wybrane" ends with one empty line.
    std::vector<std::string> chosenLines() const;
    std::vector<std::string> availableLines() const;
    int selectedChosenLine() const { return selected_; }
    void selectChosenLine(int line);

    // Double click or Enter on "Dostępne": inserts before the selected line
    // of "Wybrane" and moves the selection down. On a chosen line: back to
    // the end of "Dostępne". True when the lists changed.
    bool choose(int availableLine);
    bool unchoose(int chosenLine);

    // A radio button: another rule clears the order in the record.
    bool setOrderRule(int rule);

    // "Oblicz": validation without the constant's range, then the proposed
    // constant goes into fields.stageConstant.
    RulesField compute(RulesFields& fields) const;
    // OK: validation, the fields into the record, the order from "Wybrane",
    // then saving without a question (a failed save keeps the dialog open).
    RulesStep accept(const RulesFields& fields);
    // The close box and Escape: message 13 when anything differs from the
    // record or the dialog is marked changed; Yes acts as OK.
    RulesStep close(const RulesFields& fields);
    bool changed() const { return changed_; }

private:
    RulesField validate(const RulesFields& fields, bool constantChecked) const;
    bool differsFromRecord(const RulesFields& fields) const;
    void fillLists();
    int itemLimit() const;
    std::string itemLabel(int item) const;

    StageDefinition& stage_;
    std::filesystem::path folder_;
    std::vector<int> chosen_;
    std::vector<int> available_;
    int selected_ = 0;
    bool changed_ = false;
};

} // namespace trop
