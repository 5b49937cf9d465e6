#include "competition_dialog_flow.h"

#include "trop/store/header_files.h"
#include "trop/store/messages.h"
#include "trop/store/store_actions.h"

namespace trop {

CompetitionDialogFlow::CompetitionDialogFlow(const std::filesystem::path& root, bool isNew,
                                             const std::string& shortName)
    : root_(root), isNew_(isNew), shortName_(shortName)
{
}

CompetitionDialogFlow CompetitionDialogFlow::forNew(const std::filesystem::path& root)
{
    return CompetitionDialogFlow(root, true, {});
}

CompetitionDialogFlow CompetitionDialogFlow::forEdit(const std::filesystem::path& root, const std::string& shortName)
{
    CompetitionDialogFlow flow(root, false, shortName);
    const std::filesystem::path folder = root / shortName;
    if (readCompetitionHeader(folder, flow.header_) != HeaderRead::Ok)
        showMessage(7, (folder / kCompetitionHeaderFileName).string());
    return flow;
}

std::string CompetitionDialogFlow::title() const
{
    return isNew_ ? "Nowe zawody" : shortName_;
}

bool CompetitionDialogFlow::accept(const std::string& typedShortName, const CompetitionHeader& header)
{
    if (isNew_) {
        if (!saveNewCompetition(root_, typedShortName, header))
            return false;
        shortName_ = typedShortName;
    } else {
        saveEditedCompetition(root_, shortName_, header);
    }
    header_ = header;
    return true;
}

} // namespace trop
