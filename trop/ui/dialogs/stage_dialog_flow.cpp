#include "stage_dialog_flow.h"

#include "integer_entry.h"

#include "trop/store/competition_store.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"
#include "trop/store/store_actions.h"

namespace trop {

StageDialogFlow::StageDialogFlow(const std::filesystem::path& categoryFolder, bool isNew, int stage)
    : categoryFolder_(categoryFolder), isNew_(isNew), stage_(stage)
{
}

StageDialogFlow StageDialogFlow::forNew(const std::filesystem::path& categoryFolder)
{
    return StageDialogFlow(categoryFolder, true, 1);
}

StageDialogFlow StageDialogFlow::forEdit(const std::filesystem::path& categoryFolder, int stage)
{
    StageDialogFlow flow(categoryFolder, false, stage);
    const std::filesystem::path folder = categoryFolder / stageFolderName(stage);
    if (readStageParams(folder, flow.params_) != HeaderRead::Ok) // missing too, as for a competition
        showMessage(7, (folder / kStageParamsFileName).string());
    return flow;
}

std::string StageDialogFlow::title() const
{
    return isNew_ ? "Nowy etap" : stageFolderName(stage_);
}

std::string StageDialogFlow::stageNumberText() const
{
    return std::to_string(stage_);
}

bool StageDialogFlow::accept(std::string_view typedStageNumber, const StageParams& params)
{
    if (isNew_) {
        const std::optional<int> stage = readIntegerField(typedStageNumber, 0, 9);
        if (!stage)
            return false;
        if (!saveNewStage(categoryFolder_, *stage, params))
            return false;
        stage_ = *stage;
    } else {
        saveEditedStage(categoryFolder_, stage_, params);
    }
    params_ = params;
    return true;
}

std::optional<int> parseStageNumber(std::string_view text)
{
    const std::optional<long long> value = parseInteger(text);
    if (!value || *value < 0 || *value > 9)
        return std::nullopt;
    return static_cast<int>(*value);
}

} // namespace trop
