// The way from the confirmation editor to the code dialog of the route
// editor: an unknown code typed in "Kod" becomes a new code of the route.
#pragma once

#include "cards_stage.h"

#include <filesystem>

class QWidget;

namespace trop {

// The code dialog over `parent`, started with the typed text and white, using
// the stage folder's custom colours.
CodeAdder codeAdderFor(QWidget* parent, const std::filesystem::path& stageFolder);

} // namespace trop
