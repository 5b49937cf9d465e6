// The results export after the file has been chosen, without Qt: writes the
// file and reports through showMessage what went wrong (message 7 for the
// competition header or the participants, message 6 for the file itself).
#pragma once

#include <filesystem>
#include <string>

namespace trop {

// Names and timestamp are code page 1250 texts; file is the chosen path.
// Returns whether the file was written.
bool runCategoryExport(const std::filesystem::path& categoryFolder, const std::filesystem::path& file,
                       const std::string& competitionName, const std::string& categoryDisplayName,
                       const std::string& timestamp);

} // namespace trop
