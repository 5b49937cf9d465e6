// What the two results windows show, decided without Qt: the overall results
// of a category and the ranked results of one stage. A window whose rules
// say closesAtOnce() is not shown at all.
#pragma once

#include "trop/print/results_grid.h"

#include <filesystem>

namespace trop {

class ResultsListRules {
public:
    // The classification of the category. Closes at once when the category
    // has no participants; an unreadable participants file is reported with
    // message 7 first.
    static ResultsListRules forCategory(const std::filesystem::path& categoryFolder);

    // The cards of the stage ranked by stage points, named from the category's
    // participants. Closes at once, after message 7, when either file cannot
    // be read.
    static ResultsListRules forStage(const std::filesystem::path& stageFolder,
                                     const std::filesystem::path& categoryFolder);

    bool closesAtOnce() const { return closesAtOnce_; }
    const ResultsGrid& grid() const { return grid_; }

private:
    bool closesAtOnce_ = true;
    ResultsGrid grid_;
};

} // namespace trop
