#include "stages_with_results.h"

#include "results.h"
#include "trop/store/competition_store.h"

#include <algorithm>
#include <system_error>

namespace trop {

std::vector<int> stagesWithResults(const std::filesystem::path& categoryFolder)
{
    std::vector<int> stages;
    for (int stage : listStages(categoryFolder)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(categoryFolder / stageFolderName(stage) / kResultsFileName, error))
            stages.push_back(stage);
    }
    std::sort(stages.begin(), stages.end());
    return stages;
}

} // namespace trop
