// The one place through which the navigation windows reach the windows,
// printouts and export of the rest of the program. Every method does nothing
// by default; the program installs an opener that shows the real windows.
// Names are UTF-8 (folder names as on disk, display names as shown).
#pragma once

#include <filesystem>
#include <string>

namespace trop {

struct MemberTable;

struct CategoryContext {
    std::filesystem::path competitionFolder;
    std::filesystem::path categoryFolder;
    std::string competitionName;     // the competition's folder name
    std::string categoryFolderName;  // "TD" or "X.NAME"
    std::string categoryDisplayName; // "TD" or "NAME"
    int categoryNumber = 0;          // 1..13, 14 for a custom category
};

struct StageContext {
    CategoryContext category;
    std::filesystem::path stageFolder;
    std::string stageFolderName; // "E2"
    int stage = 0;
    int memberCount = 0;             // as loadMembers returned it on opening
    const MemberTable* members = nullptr; // the members loaded on opening
    std::string title;               // the stage window's title
};

class WindowOpener {
public:
    virtual ~WindowOpener() = default;

    // Competition level
    virtual void printCompetitionResults(const std::filesystem::path& competitionFolder,
                                         const std::string& competitionName)
    {
        (void)competitionFolder;
        (void)competitionName;
    }
    virtual void printerSetup() {}

    // Category level
    virtual void openParticipantsEditor(const CategoryContext& category) { (void)category; }
    virtual void printParticipants(const CategoryContext& category) { (void)category; }
    virtual void openOverallResults(const CategoryContext& category) { (void)category; }
    virtual void printCategoryResults(const CategoryContext& category) { (void)category; }
    virtual void exportResults(const CategoryContext& category) { (void)category; }

    // Stage level
    virtual void openStartList(const StageContext& stage) { (void)stage; }
    virtual void openRouteDefinition(const StageContext& stage) { (void)stage; }
    virtual void openStartCards(const StageContext& stage) { (void)stage; }
    virtual void openStageResultsList(const StageContext& stage) { (void)stage; }
    virtual void openFinishOrder(const StageContext& stage) { (void)stage; }
    virtual void printStartList(const StageContext& stage) { (void)stage; }
    virtual void printStageResultDetails(const StageContext& stage) { (void)stage; }
};

} // namespace trop
