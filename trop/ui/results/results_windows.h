// Entry points of the category's results windows and its results export.
// Each works on explicit folders and never changes the working directory.
#pragma once

#include <QString>

#include <filesystem>

class QWidget;

namespace trop {

// The classification of the category over its stages, modal. Closes at once
// (shows nothing) when the category has no members.
void openOverallResultsWindow(QWidget* parent, const std::filesystem::path& categoryFolder,
                              const QString& competitionName, const QString& categoryDisplayName);

// The teams of one stage ranked by their stage points, modal. Shows message 7
// and nothing else when the stage's results cannot be read.
void openStageResultsList(QWidget* parent, const std::filesystem::path& stageFolder,
                          const std::filesystem::path& categoryFolder, const QString& title);

// Asks for a file and writes the category's classification into it as
// semicolon-separated cells. Cancelling the file dialog writes nothing.
void exportCategoryResults(QWidget* parent, const std::filesystem::path& categoryFolder,
                           const QString& competitionName, const QString& categoryDisplayName);

} // namespace trop
