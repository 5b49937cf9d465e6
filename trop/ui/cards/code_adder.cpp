#include "code_adder.h"

#include "trop/store/custom_colours.h"
#include "trop/ui/route/code_dialog.h"

namespace trop {

CodeAdder codeAdderFor(QWidget* parent, const std::filesystem::path& stageFolder)
{
    return [parent, stageFolder](StageDefinition& stage, const std::string& typedCode) {
        CustomColours colours;
        colours.fill(kWhiteColour);
        const bool coloursRead = loadCustomColours(stageFolder, colours);
        const bool added = addCodeWithDialog(parent, stageFolder, stage, typedCode, colours).has_value();
        // The colour picker may have changed the custom colours.
        if (coloursRead)
            saveCustomColours(stageFolder, colours);
        return added;
    };
}

} // namespace trop
