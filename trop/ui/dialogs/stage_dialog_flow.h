// What the stage dialog does, without widgets: its mode, title, the values it
// starts with, the stage number check and what OK does.
#pragma once

#include "trop/store/header_records.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trop {

class StageDialogFlow {
public:
    // New mode: empty texts, stage number 1, the number can be changed.
    static StageDialogFlow forNew(const std::filesystem::path& categoryFolder);

    // Edit mode for stage 0..9: the parameters are read from the stage's
    // "Name.and.Param". A file that is missing or cannot be read shows
    // message 7 with its path (as editing a competition does) and keeps what
    // was read, the other fields empty; saving then writes the file.
    static StageDialogFlow forEdit(const std::filesystem::path& categoryFolder, int stage);

    bool isNew() const { return isNew_; }
    std::string title() const;           // "Nowy etap", or "E2"
    std::string stageNumberText() const; // what the number field starts with
    const StageParams& params() const { return params_; } // code page 1250 texts

    // OK pressed. The number is checked first: text that is not a whole number
    // from 0 to 9 is refused with the standard number message and nothing is saved.
    // True when the dialog closes with OK. In edit mode the number is fixed.
    bool accept(std::string_view typedStageNumber, const StageParams& params);

private:
    StageDialogFlow(const std::filesystem::path& categoryFolder, bool isNew, int stage);

    std::filesystem::path categoryFolder_;
    bool isNew_;
    int stage_;
    StageParams params_{};
};

// The stage number typed, when it is a whole number 0..9 (blanks around it
// allowed); nothing otherwise.
std::optional<int> parseStageNumber(std::string_view text);

} // namespace trop
