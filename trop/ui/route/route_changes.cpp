#include "route_changes.h"

#include "trop/model/stage_file.h"
#include "trop/store/messages.h"

namespace trop {

bool keepOrDropRouteChanges(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    if (showMessage(13) == MessageAnswer::Yes) {
        if (!saveStageDefinition(stageFolder, stage)) {
            showMessage(7, kStageDefinitionFileName);
            return false;
        }
    } else if (!loadStageDefinition(stageFolder, stage)) {
        showMessage(7, kStageDefinitionFileName);
    }
    return true;
}

} // namespace trop
