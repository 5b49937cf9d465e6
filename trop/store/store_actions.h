// The creating, saving and removing flows of the store, with their messages.
// A failed save never touches existing data: only a folder that the same save
// has just created is removed again. Unsafe names (see isSafeFolderName) are
// refused with message 1 and create nothing.
#pragma once

#include "trop/store/competition_store.h"
#include "trop/store/header_records.h"

#include <filesystem>
#include <string>

namespace trop {

// New competition: message 2 when anything named shortName is in the root,
// message 1 when the folder cannot be created or the name is unsafe; both
// return false (the dialog stays open). Otherwise the header is written; when
// that fails, message 6 with "<shortName>/Name.and.date" and the new folder is
// removed again. Returns true once the folder was created.
bool saveNewCompetition(const std::filesystem::path& root, const std::string& shortName,
                        const CompetitionHeader& header);

// Rewrites "Name.and.date" of an existing competition; message 6 on failure.
// Returns true when written.
bool saveEditedCompetition(const std::filesystem::path& root, const std::string& shortName,
                           const CompetitionHeader& header);

// New stage: false only when the stage folder exists (message 2) or the
// number is not 0..9 (no message: the dialog checks it first). Otherwise true:
// message 1 when the folder cannot be created; message 6 with
// "E<d>/Name.and.Param" (and the new folder removed again) when the file
// cannot be written.
bool saveNewStage(const std::filesystem::path& categoryFolder, int stage, const StageParams& params);

// Rewrites "Name.and.Param" of an existing stage; message 6 on failure.
// Returns true when written.
bool saveEditedStage(const std::filesystem::path& categoryFolder, int stage, const StageParams& params);

enum class CategoryCreation { Created, AlreadyExists, Failed };

// AlreadyExists quietly when anything has that name; Failed shows message 1.
CategoryCreation createCategoryFolder(const std::filesystem::path& competitionFolder,
                                      const std::string& folderName);

// Each asks first (5 with the short name, 9 with the display name, 11 with
// "E<d>"; No is the default) and on Yes removes the folder with deleteTree.
// True when the user said Yes.
bool removeCompetition(const std::filesystem::path& root, const std::string& shortName);
bool removeCategory(const std::filesystem::path& competitionFolder, const CategoryEntry& category);
bool removeStage(const std::filesystem::path& categoryFolder, int stage);

} // namespace trop
