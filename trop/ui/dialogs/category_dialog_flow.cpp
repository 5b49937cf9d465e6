#include "category_dialog_flow.h"

#include "trop/store/competition_store.h"
#include "trop/store/store_actions.h"

namespace trop {

CategoryDialogFlow::CategoryDialogFlow(const std::filesystem::path& competitionFolder)
    : competitionFolder_(competitionFolder)
{
}

bool CategoryDialogFlow::accept(const NamePrompt& askName)
{
    if (chosen_.empty())
        return true;
    std::string folderName = chosen_;
    if (chosen_ == kCustomCategoryChoice) {
        const std::optional<std::string> name = askName ? askName() : std::nullopt;
        if (!name || name->empty())
            return false;
        folderName = categoryFolderName(kCustomCategoryNumber, *name);
    }
    // An existing folder is quietly kept; a failure has shown message 1.
    createCategoryFolder(competitionFolder_, folderName);
    return true;
}

} // namespace trop
