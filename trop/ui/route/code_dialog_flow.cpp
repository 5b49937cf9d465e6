#include "code_dialog_flow.h"

#include "trop/model/stage_file.h"
#include "trop/store/cp1250.h"
#include "trop/store/messages.h"

namespace trop {

namespace {

bool codeInTable(const StageDefinition& stage, std::string_view code)
{
    for (int entry = 0; entry < usedCodeCount(stage); ++entry)
        if (codeText(stage, entry) == code)
            return true;
    return false;
}

} // namespace

std::string trimmedText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

CodeDialogFlow::CodeDialogFlow(const StageDefinition& stage, std::string openedCode, std::uint32_t colour)
    : stage_(stage), openedCode_(std::move(openedCode)), colour_(colour)
{
}

bool CodeDialogFlow::accept(std::string_view typedCode)
{
    const std::string code = trimmedText(typedCode);
    if (code.empty()) {
        showMessageText("Wprowadź kod punktu.", MessageStyle::Error);
        return false;
    }
    if (code.size() > kMaxCodeLength) {
        showMessageText("Wprowadź nie więcej niż 2 znaki.", MessageStyle::Error);
        return false;
    }
    if (code != openedCode_ && codeInTable(stage_, code)) {
        showMessage(17, cp1250ToUtf8(code));
        return false;
    }
    code_ = code;
    return true;
}

std::optional<int> appendCodeAndSave(const std::filesystem::path& stageFolder, StageDefinition& stage,
                                     const std::string& code, std::uint32_t colour)
{
    const int index = usedCodeCount(stage);
    if (!addCode(stage, colour, code))
        return std::nullopt;
    if (!saveStageDefinition(stageFolder, stage)) {
        showMessage(7, kStageDefinitionFileName);
        stage.codeCount = index;
        return std::nullopt;
    }
    return index;
}

} // namespace trop
