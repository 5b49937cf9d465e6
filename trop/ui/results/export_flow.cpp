#include "trop/ui/results/export_flow.h"

#include "trop/model/members.h"
#include "trop/print/category_export.h"
#include "trop/store/messages.h"

namespace trop {

bool runCategoryExport(const std::filesystem::path& categoryFolder, const std::filesystem::path& file,
                       const std::string& competitionName, const std::string& categoryDisplayName,
                       const std::string& timestamp)
{
    const CategoryExportOutcome outcome =
        exportCategory(categoryFolder, file, competitionName, categoryDisplayName, timestamp);
    // The header is reported by the name under which the category window
    // reaches it.
    if (!outcome.headerRead)
        showMessage(7, kExportHeaderFileText);
    if (outcome.readFailed())
        showMessage(7, outcome.failure.fileText);
    else if (!outcome.written)
        showMessage(6, file.string());
    return outcome.written;
}

} // namespace trop
