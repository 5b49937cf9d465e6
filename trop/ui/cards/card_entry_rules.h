// The card entry window ("Karta startowa"): one team's card as a working copy,
// what leaving a typed field, "AUTO", "T+10%", the box commands, "<", ">",
// OK and "Anuluj" do to it, and when it is stored. Qt-free; the window shows
// view() and forwards the typed texts of its four fields.
//
// A call that refuses a typed value shows the standard message and returns
// the field to put the focus back on; the card is then left as it was.
#pragma once

#include "card_view.h"
#include "cards_stage.h"

#include <memory>
#include <optional>

namespace trop {

class BoxEditorRules;

using RefusedField = std::optional<CardField>;

// How OK or "Anuluj" (Esc) ends: closes says whether the window closes;
// reportsChange whether it tells the start cards list that a card was stored.
struct CardWindowEnding {
    bool closes = false;
    bool reportsChange = false;
    RefusedField refused;
};

inline constexpr const char* kUnsavedCardQuestion = "Karta została zmieniona, czy chcesz ją zachować ?";

class CardEntryRules {
public:
    // The card at index of the stage's table (the caller checked it).
    CardEntryRules(CardsStage& cards, int cardIndex);
    ~CardEntryRules();

    const ControlCard& card() const { return working_; }
    const StageDefinition& stage() const { return *cards_.stage; }
    CardView view() const;
    int cardIndex() const { return index_; }
    bool dirty() const { return dirty_; }
    bool hasPrevious() const;
    bool hasNext() const;

    // Leaving "TS", "TM", "Zad." or the typed "PK".
    RefusedField leaveField(CardField field, const CardFieldTexts& typed);
    // "AUTO" and "T+10%" clicked.
    RefusedField setAutoScore(bool on, const CardFieldTexts& typed);
    RefusedField setExtendedLimit(bool on, const CardFieldTexts& typed);

    // The box menu: "Wstaw" is offered only while the last box is empty.
    bool canInsertBox() const;
    RefusedField insertBox(int box, const CardFieldTexts& typed);
    RefusedField deleteBox(int box, const CardFieldTexts& typed);

    // The confirmation editor on a box of the working copy ("Edytuj", or the
    // box pressed). It must end (boxEditorEnded) before anything else is done.
    std::unique_ptr<BoxEditorRules> openBoxEditor(int box);
    RefusedField boxEditorEnded(const BoxEditorRules& editor, const CardFieldTexts& typed);

    // ">" and "<": a changed card is stored (and "Results" saved) first; a
    // card not entered yet is dropped unchanged. Nothing moves at either end
    // of the table or while a field is refused.
    RefusedField moveNext(const CardFieldTexts& typed);
    RefusedField movePrevious(const CardFieldTexts& typed);

    // OK: stores a changed entered card. A fresh card is never stored.
    CardWindowEnding confirm(const CardFieldTexts& typed);
    // "Anuluj", Esc or the close box: with unsaved changes asks whether to
    // keep them (Yes stores as OK does, No drops them, Cancel stays).
    CardWindowEnding cancel(const CardFieldTexts& typed);

private:
    void showCard(int index);
    void evaluate();
    void enterFreshCard();
    CardFieldTexts shownTexts() const;
    bool typedDiffers(const CardFieldTexts& typed) const;
    RefusedField commitTyped(const CardFieldTexts& typed);
    RefusedField takeFields(const CardFieldTexts& typed, bool storing);
    RefusedField takeAndEvaluate(const CardFieldTexts& typed);
    RefusedField storeIfChanged();
    RefusedField move(int step, const CardFieldTexts& typed);
    CardWindowEnding ending() const;

    CardsStage& cards_;
    int index_ = 0;
    ControlCard working_{};
    bool dirty_ = false;
    bool storedSomething_ = false;
    bool seniorTeam_ = false;
    bool editorOnFreshCard_ = false;
    bool busy_ = false; // a message is open: a second leave of a field is ignored
};

// Every member of the team (at least one) has a birth year at least 50 years
// before currentYear.
bool isSeniorTeam(const MemberTable& members, int teamNumber, int currentYear);

} // namespace trop
