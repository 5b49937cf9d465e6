#include "trop/store/store_actions.h"

#include "trop/store/delete_tree.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"

#include <sys/stat.h>
#include <system_error>

namespace trop {

namespace {

namespace fs = std::filesystem;

bool nameIsTaken(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// mkdir itself, so that a folder appearing since the search is not taken over.
bool createFolder(const fs::path& path)
{
    return ::mkdir(path.c_str(), 0755) == 0;
}

bool isStageNumber(int stage)
{
    return stage >= 0 && stage < kStageCount;
}

std::string relativeFileName(const std::string& folderName, const char* fileName)
{
    return folderName + "/" + fileName;
}

bool confirmRemoval(int messageId, const std::string& shownName)
{
    return showMessage(messageId, shownName) == MessageAnswer::Yes;
}

} // namespace

bool saveNewCompetition(const std::filesystem::path& root, const std::string& shortName,
                        const CompetitionHeader& header)
{
    if (!isSafeFolderName(shortName)) {
        showMessage(1, shortName);
        return false;
    }
    const fs::path folder = root / shortName;
    if (nameIsTaken(folder)) {
        showMessage(2, shortName);
        return false;
    }
    if (!createFolder(folder)) {
        showMessage(1, shortName);
        return false;
    }
    if (!writeCompetitionHeader(folder, header)) {
        showMessage(6, relativeFileName(shortName, kCompetitionHeaderFileName));
        deleteTree(folder);
    }
    return true;
}

bool saveEditedCompetition(const std::filesystem::path& root, const std::string& shortName,
                           const CompetitionHeader& header)
{
    const bool written = isSafeFolderName(shortName) && writeCompetitionHeader(root / shortName, header);
    if (!written)
        showMessage(6, relativeFileName(shortName, kCompetitionHeaderFileName));
    return written;
}

bool saveNewStage(const std::filesystem::path& categoryFolder, int stage, const StageParams& params)
{
    if (!isStageNumber(stage))
        return false;
    const std::string folderName = stageFolderName(stage);
    const fs::path folder = categoryFolder / folderName;
    if (nameIsTaken(folder)) {
        showMessage(2, folderName);
        return false;
    }
    if (!createFolder(folder)) {
        showMessage(1, folderName);
        return true;
    }
    if (!writeStageParams(folder, params)) {
        showMessage(6, relativeFileName(folderName, kStageParamsFileName));
        deleteTree(folder);
    }
    return true;
}

bool saveEditedStage(const std::filesystem::path& categoryFolder, int stage, const StageParams& params)
{
    const std::string folderName = isStageNumber(stage) ? stageFolderName(stage) : std::string("E?");
    const bool written = isStageNumber(stage) && writeStageParams(categoryFolder / folderName, params);
    if (!written)
        showMessage(6, relativeFileName(folderName, kStageParamsFileName));
    return written;
}

CategoryCreation createCategoryFolder(const std::filesystem::path& competitionFolder,
                                      const std::string& folderName)
{
    if (!isSafeFolderName(folderName)) {
        showMessage(1, folderName);
        return CategoryCreation::Failed;
    }
    const fs::path folder = competitionFolder / folderName;
    if (nameIsTaken(folder))
        return CategoryCreation::AlreadyExists;
    if (!createFolder(folder)) {
        showMessage(1, folderName);
        return CategoryCreation::Failed;
    }
    return CategoryCreation::Created;
}

bool removeCompetition(const std::filesystem::path& root, const std::string& shortName)
{
    if (!isSafeFolderName(shortName) || !confirmRemoval(5, shortName))
        return false;
    deleteTree(root / shortName);
    return true;
}

bool removeCategory(const std::filesystem::path& competitionFolder, const CategoryEntry& category)
{
    // The folder is named by the entry as listed, so a custom category whose
    // second character is not a point is still the folder that goes.
    if (!isSafeFolderName(category.folderName) || !confirmRemoval(9, category.displayName))
        return false;
    deleteTree(competitionFolder / category.folderName);
    return true;
}

bool removeStage(const std::filesystem::path& categoryFolder, int stage)
{
    if (!isStageNumber(stage))
        return false;
    const std::string folderName = stageFolderName(stage);
    if (!confirmRemoval(11, folderName))
        return false;
    deleteTree(categoryFolder / folderName);
    return true;
}

} // namespace trop
