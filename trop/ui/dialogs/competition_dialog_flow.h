// What the competition dialog does, without widgets: its mode, its title, the
// header it starts with and what OK does.
#pragma once

#include "trop/store/header_records.h"

#include <filesystem>
#include <string>

namespace trop {

class CompetitionDialogFlow {
public:
    // New mode: empty fields, the short name can be typed.
    static CompetitionDialogFlow forNew(const std::filesystem::path& root);

    // Edit mode: the header is read from the competition's "Name.and.date";
    // when it cannot be read (also when it is missing) message 7 with the
    // file's path is shown and the fields read so far are kept.
    static CompetitionDialogFlow forEdit(const std::filesystem::path& root, const std::string& shortName);

    bool isNew() const { return isNew_; }
    std::string title() const; // "Nowe zawody", or the short name
    const std::string& shortName() const { return shortName_; } // UTF-8
    const CompetitionHeader& header() const { return header_; } // code page 1250 texts

    // OK pressed with these values. True when the dialog closes with OK,
    // false when it stays open (the reason was shown as a message). In edit
    // mode the typed short name is ignored: it cannot change.
    bool accept(const std::string& typedShortName, const CompetitionHeader& header);

private:
    CompetitionDialogFlow(const std::filesystem::path& root, bool isNew, const std::string& shortName);

    std::filesystem::path root_;
    bool isNew_;
    std::string shortName_;
    CompetitionHeader header_{};
};

inline constexpr int kShortNameMaxLength = 16;
inline constexpr int kDateTextMaxLength = 25;
inline constexpr int kFullNameMaxLength = 60;

} // namespace trop
