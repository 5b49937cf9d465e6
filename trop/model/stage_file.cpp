// "Stage.Definition": loading with defaults, saving with refreshed code
// references, and adding a code.
#include "stage_file.h"

#include "trop/store/file_io.h"
#include "trop/store/fixed_text.h"

#include <cstring>

namespace trop {

namespace {

constexpr std::uint32_t kBpkColour = 0xE6E6E6;

void refreshCodeRefs(const StageDefinition& stage, CodeRef* refs, int count)
{
    for (int i = 0; i < count; ++i) {
        CodeRef& ref = refs[i];
        if (!validCodeIndex(stage, ref.codeIndex))
            continue; // a dangling reference keeps its old copies
        const ControlCode& entry = stage.codeTable[ref.codeIndex];
        ref.colour = entry.colour;
        setFieldText(ref.code, fieldText(entry.code));
    }
}

void refreshAllCodeRefs(StageDefinition& stage)
{
    const int points = usedPointCount(stage);
    for (int p = 0; p < points; ++p) {
        RoutePoint& point = stage.points[p];
        refreshCodeRefs(stage, point.controls, usedControlCount(point));
        refreshCodeRefs(stage, point.associated, usedAssociatedCount(point));
    }
}

bool writeStageFile(const std::filesystem::path& stageFolder, const StageDefinition& stage)
{
    return writeFileAtomically(stageFolder / kStageDefinitionFileName, &stage, sizeof stage);
}

} // namespace

void applyStageDefaults(StageDefinition& stage)
{
    stage.codeCount = 1;
    stage.codeTable[0].colour = kBpkColour;
    setFieldText(stage.codeTable[0].code, "bpk");
    stage.pointCount = 0;
    stage.requiredConfirmations = 0;
    stage.orderRule = AnyOrder;
    stage.groupCount = 0;
    stage.orderCount = 0;
    stage.wrongDescriptionIsWrongPoint = 0;
    stage.taskEnabled = 0;
    stage.taskCorrectValue = 100;
    stage.taskPenaltyPerPoint = 1;
}

StageFileRead readStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    const FileBytes read = readFileUpTo(stageFolder / kStageDefinitionFileName, sizeof stage);
    if (read.status == ReadStatus::Ok && !read.bytes.empty())
        std::memcpy(&stage, read.bytes.data(), read.bytes.size());
    return StageFileRead{read.status, read.bytes.size(), read.longer, read.problem};
}

bool loadStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    switch (readStageDefinition(stageFolder, stage).status) {
    case ReadStatus::Ok:
        return true;
    case ReadStatus::Missing:
        applyStageDefaults(stage);
        return writeStageFile(stageFolder, stage);
    case ReadStatus::Error:
        break;
    }
    return false;
}

bool saveStageDefinition(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    refreshAllCodeRefs(stage);
    return writeStageFile(stageFolder, stage);
}

bool addCode(StageDefinition& stage, std::uint32_t colour, const std::string& code)
{
    const int index = usedCodeCount(stage);
    if (index >= kMaxCodes)
        return false;
    stage.codeTable[index].colour = colour;
    setFieldText(stage.codeTable[index].code, code);
    stage.codeCount = index + 1;
    return true;
}

} // namespace trop
