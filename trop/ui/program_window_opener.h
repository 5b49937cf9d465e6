// The program's way to the windows, printouts and export reached from the
// navigation windows. Everything not overridden here still does nothing.
#pragma once

#include "trop/ui/navigation/window_opener.h"

namespace trop {

class ProgramWindowOpener : public WindowOpener {
public:
    void openParticipantsEditor(const CategoryContext& category) override;
    void printCompetitionResults(const std::filesystem::path& competitionFolder,
                                 const std::string& competitionName) override;
    void printerSetup() override;

    void printParticipants(const CategoryContext& category) override;
    void openOverallResults(const CategoryContext& category) override;
    void printCategoryResults(const CategoryContext& category) override;
    void exportResults(const CategoryContext& category) override;
    void openRouteDefinition(const StageContext& stage) override;
    void openStageResultsList(const StageContext& stage) override;
    void openStartList(const StageContext& stage) override;
    void openFinishOrder(const StageContext& stage) override;
    void printStartList(const StageContext& stage) override;
    void printStageResultDetails(const StageContext& stage) override;
    void openStartCards(const StageContext& stage) override;
};

} // namespace trop
