// Where the store "Zawody" lives: one rule for trop, tablo and trop-cli, so
// that all of them always see the same competitions.
//
// Next to the program while that folder can take it (the build folder, a
// portable copy on a stick); otherwise, as for an installed program in
// /usr/bin, in the user's data folder; with neither, nowhere (message 1).
#pragma once

#include <filesystem>
#include <optional>

namespace trop {

struct StoreLocationFacts {
    std::filesystem::path programFolder;
    // "Zawody" there is a writable folder, or can be created there.
    bool programFolderWritable = false;
    std::filesystem::path dataFolder; // the user's data folder; empty when unknown
    // The data folder (or the nearest folder above it that exists) is writable.
    bool dataFolderWritable = false;
};

// The folder that holds, or is to hold, "Zawody"; nothing when neither
// folder can.
std::optional<std::filesystem::path> chooseStoreParent(const StoreLocationFacts& facts);

// The user's data folder as Qt's AppDataLocation names it for the maker
// "Lirnik" and the program "Trop": $XDG_DATA_HOME (or $HOME/.local/share)
// followed by "Lirnik/Trop"; empty when neither variable is usable.
std::filesystem::path userDataFolder();

// The facts of this machine for a program in programFolder. Program folders
// of the installed system (/usr/bin, /usr/local/bin, /bin) never hold the
// store, even for root, who could write there.
StoreLocationFacts storeLocationFacts(const std::filesystem::path& programFolder);

// The store root in use for a program in programFolder (created by nothing
// here); nothing when there is none.
std::optional<std::filesystem::path> storeRootFor(const std::filesystem::path& programFolder);

} // namespace trop
