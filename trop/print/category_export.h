// The whole results export of one category: read the competition header one
// folder up, build the classification, write the file. Shows no messages; the
// caller reports what the outcome names.
#pragma once

#include "trop/print/classification.h"

#include <filesystem>
#include <string>

namespace trop {

// The header's file as the export names it in message 7.
inline constexpr const char* kExportHeaderFileText = "..\\Name.and.date";

struct CategoryExportOutcome {
    bool headerRead = false;  // false: message 7, the file goes on without the full-name lines
    ClassificationResult classification = ClassificationResult::NoMembers;
    ClassificationFailure failure; // the participants or stage file that could not be read
    bool written = false;     // false: message 6 with the file's path, unless readFailed()

    // A participants or stage file could not be read: nothing is written (a
    // file without that stage would look complete); message 7 names it.
    bool readFailed() const
    {
        return classification == ClassificationResult::MembersUnreadable
               || classification == ClassificationResult::StageUnreadable;
    }
};

// Names and timestamp are code page 1250 texts.
CategoryExportOutcome exportCategory(const std::filesystem::path& categoryFolder, const std::filesystem::path& file,
                                     const std::string& competitionName, const std::string& categoryDisplayName,
                                     const std::string& timestamp);

} // namespace trop
