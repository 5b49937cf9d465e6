// OK in "Parametry nowej listy startowej": both fields must hold whole
// numbers in their ranges, the interval checked first.
#pragma once

#include "trop/model/start_list_generation.h"

#include <optional>
#include <string_view>

namespace trop {

enum class StartListParamsField { TeamInterval, EmptyPositions };

struct StartListParamsCheck {
    std::optional<StartListParams> params; // set when the dialog may close
    StartListParamsField refused = StartListParamsField::TeamInterval; // keeps the focus otherwise
};

// Shows the standard message for the first field that is refused.
StartListParamsCheck checkStartListParams(std::string_view typedInterval, std::string_view typedEmptyPositions);

} // namespace trop
