// What the code dialog does, without widgets: the code and colour it starts
// with and what OK accepts. Codes are code page 1250 bytes.
#pragma once

#include "trop/model/stage_definition.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trop {

inline constexpr int kMaxCodeLength = 2;
inline constexpr std::uint32_t kNewCodeColour = 0x00FFFFFF;

struct CodeChoice {
    std::string code; // code page 1250
    std::uint32_t colour;
};

class CodeDialogFlow {
public:
    // The dialog opened on `openedCode` and `colour`; `stage` is the code
    // table that a new code must not repeat.
    CodeDialogFlow(const StageDefinition& stage, std::string openedCode, std::uint32_t colour);

    const std::string& openedCode() const { return openedCode_; }
    std::uint32_t colour() const { return colour_; }
    void setColour(std::uint32_t colour) { colour_ = colour; }

    // OK pressed with the typed code. The code is trimmed at both ends; an
    // empty code and a code of more than 2 characters are refused with a
    // message, and so is a code that another entry of the table already has
    // (message 17) unless it is the code the dialog was opened with. True
    // when the dialog closes; code() is then the accepted code.
    bool accept(std::string_view typedCode);
    const std::string& code() const { return code_; }

private:
    const StageDefinition& stage_;
    std::string openedCode_;
    std::uint32_t colour_;
    std::string code_;
};

// Appends `code` in `colour` at the end of the code table and saves
// "Stage.Definition" in `stageFolder`. The new entry's index; nothing when the
// table is full, or when saving fails (message 7 is shown and the entry is
// taken back).
std::optional<int> appendCodeAndSave(const std::filesystem::path& stageFolder, StageDefinition& stage,
                                     const std::string& code, std::uint32_t colour);

// Blanks (spaces and tabs) cut off both ends.
std::string trimmedText(std::string_view text);

} // namespace trop
