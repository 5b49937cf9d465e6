#include "trop/ui/startlist/start_list_params_check.h"

#include "trop/ui/dialogs/integer_entry.h"

namespace trop {

StartListParamsCheck checkStartListParams(std::string_view typedInterval, std::string_view typedEmptyPositions)
{
    StartListParamsCheck check;
    const std::optional<int> interval = readIntegerField(typedInterval, kMinTeamInterval, kMaxTeamInterval);
    if (!interval)
        return check;
    const std::optional<int> empty = readIntegerField(typedEmptyPositions, kMinEmptyPositions, kMaxEmptyPositions);
    if (!empty) {
        check.refused = StartListParamsField::EmptyPositions;
        return check;
    }
    check.params = StartListParams{*interval, *empty};
    return check;
}

} // namespace trop
