// The category's classification as a semicolon-separated text file for a
// spreadsheet: code page 1250, line feeds only, written in pieces of at most
// 80 bytes each.
#pragma once

#include "trop/print/classification.h"
#include "trop/store/header_records.h"

#include <filesystem>
#include <string>

namespace trop {

struct ResultsExportInput {
    std::string competitionName;     // code page 1250
    std::string categoryDisplayName; // code page 1250
    const CompetitionHeader* header = nullptr;            // null: it could not be read
    const MemberTable* members = nullptr;                 // null or empty: no table part
    const ClassificationTable* classification = nullptr;  // null: could not be built
    std::string timestamp; // local long date and time, code page 1250
};

// The proposed file name and the file's title line: competition name,
// " Kategoria ", category display name.
std::string resultsExportTitle(const std::string& competitionName, const std::string& categoryDisplayName);

// The exact bytes of the export file.
std::string resultsExportBytes(const ResultsExportInput& input);

// Replaces the file with the bytes as a whole, so a failed write never leaves
// a half-written file in place of an existing one. False on failure (the
// caller shows message 6 with the path).
bool writeResultsExport(const std::filesystem::path& file, const std::string& bytes);

} // namespace trop
