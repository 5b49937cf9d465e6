// The confirmation editor: what one box of the working card holds, typed code
// by code and description by description, evaluated after every change.
// Qt-free; the editor window shows view() and forwards what is typed and
// clicked. Texts are code page 1250 bytes.
#pragma once

#include "cards_stage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trop {

enum class DescriptionKind { Normal, Lop, Area };
enum class BoxMark { WrongDescription, OrderChange, Repeated };

// Where the editor puts the focus after a call: Free lets it go where the
// judge sent it; Code and AutoDescription take it there.
enum class EditorFocus { Free, Code, AutoDescription };

struct BoxEditorView {
    int boxNumber = 1; // 1..40
    bool used = false;
    std::string code;        // "Kod"
    std::string description; // "Opis": the card description with its prefix
    std::uint32_t colour = 0x00C0C0C0;
    DescriptionKind cardKind = DescriptionKind::Normal;
    std::string cardDescription;
    DescriptionKind correctKind = DescriptionKind::Normal;
    std::string correctDescription;
    bool autoDescription = true;
    bool autoValue = true;
    int valueKind = -1; // ValueKind, -1 for an empty box
    bool marks[3] = {false, false, false}; // by BoxMark
    std::string penalty;     // the number field
    std::string kindText;    // "PK", "PS", "PM", blank for an empty box
    std::string penaltyText; // the red display, blank when 0

    bool correctEnabled() const { return used && !autoDescription; }
    bool valueEnabled() const { return used && !autoValue; }
};

struct CodeButtonView {
    std::string code;
    std::uint32_t colour = 0;
};

class BoxEditorRules {
public:
    BoxEditorRules(ControlCard& card, CardsStage& cards, int box, bool tramOffered);

    int box() const { return box_; }
    bool modified() const { return modified_; }
    bool tramOffered() const { return tramOffered_; }
    const ControlCard& card() const { return card_; }
    BoxEditorView view() const;

    // The code table in display order; codesVersion() grows when a code was
    // added, so that the window rebuilds its buttons.
    std::vector<CodeButtonView> codeButtons() const;
    int codesVersion() const { return codesVersion_; }

    void codeFieldEntered() { codeFieldTouched_ = true; }
    // Code button k (display order).
    void chooseCode(int displayPosition);
    // Leaving "Kod". An unknown code is never stored: message 19 when the
    // code table is full, else message 18 offers the code dialog; the focus
    // then goes back to "Kod".
    EditorFocus leaveCode(std::string_view typed);
    // Leaving "Opis"; with tabPressed the editor goes on to the next box.
    void leaveDescription(std::string_view typed, bool tabPressed);

    void leaveCardDescription(std::string_view typed);
    void setCardDescriptionKind(DescriptionKind kind);
    void leaveCorrectDescription(std::string_view typed);
    void setCorrectDescriptionKind(DescriptionKind kind);
    void setAutoDescription(bool on);

    void setAutoValue(bool on);
    void setValueKind(int kind);
    void setMark(BoxMark mark, bool on);
    // The penalty field; a refused value (standard message) returns false.
    bool leavePenalty(std::string_view typed);

    void previousBox();
    void nextBox();
    // "Tramwaj": the boxes of the clipboard replace the card's.
    void tram();

    // "Wyjście", Enter, Esc: a code typed but not taken yet is taken first
    // (without the question). Free: the editor ends; AutoDescription: the
    // code is unknown and the editor stays.
    EditorFocus finish(std::string_view codeText);

private:
    Confirmation& current() { return card_.boxes[box_]; }
    const Confirmation& current() const { return card_.boxes[box_]; }
    template <typename Change>
    void change(Change apply);
    void emptyCurrentBox();
    void evaluate();
    void askToAddCode(const std::string& code);

    ControlCard& card_;
    CardsStage& cards_;
    int box_;
    bool tramOffered_;
    bool modified_ = false;
    bool codeFieldTouched_ = false;
    bool busy_ = false;
    int codesVersion_ = 0;
    std::vector<int> codeOrder_;
};

} // namespace trop
