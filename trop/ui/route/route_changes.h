// Closing an editor of the route after a change.
#pragma once

#include "trop/model/stage_definition.h"

#include <filesystem>

namespace trop {

// Message 13 answered on closing an editor of the route: Yes saves (message 7
// and false when that fails), No reloads the file. False keeps it open.
bool keepOrDropRouteChanges(const std::filesystem::path& stageFolder, StageDefinition& stage);

} // namespace trop
