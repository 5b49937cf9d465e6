// What the "Nowa kategoria" dialog does, without widgets.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace trop {

// The radio buttons in screen order: the first seven form the left column.
inline constexpr std::array<const char*, 14> kCategoryChoices = {
    "TD", "TF", "TJ", "TK", "TM", "TP", "TR", "TS", "TU", "TW", "TZ", "RK", "SZ", "X"};
inline constexpr int kCategoryChoicesPerColumn = 7;
inline constexpr const char* kCustomCategoryChoice = "X";
inline constexpr int kCustomCategoryNameMaxLength = 20;

class CategoryDialogFlow {
public:
    // Asks for a custom category's name; nothing when the prompt is cancelled.
    // The name comes back in capitals as the prompt shows it (UTF-8).
    using NamePrompt = std::function<std::optional<std::string>()>;

    explicit CategoryDialogFlow(const std::filesystem::path& competitionFolder);

    // A radio button was chosen (one of kCategoryChoices).
    void choose(const std::string& code) { chosen_ = code; }
    const std::string& chosen() const { return chosen_; }

    // OK pressed. Nothing chosen: closes and creates nothing. "X": asks for
    // the name; a cancelled prompt keeps the dialog open (false). Then the
    // folder is created unless something of that name exists (no message);
    // a failed creation shows message 1. True when the dialog closes with OK.
    bool accept(const NamePrompt& askName);

private:
    std::filesystem::path competitionFolder_;
    std::string chosen_;
};

} // namespace trop
