// The pages of one category's classification over all stages: place,
// number, members and per stage a group of columns, continued in page
// columns to the right when the stages do not fit across the page.
#pragma once

#include "trop/print/classification.h"
#include "trop/print/page_builder.h"
#include "trop/store/header_records.h"

#include <string>

namespace trop {

struct ResultsCategoryInput {
    const CompetitionHeader* header = nullptr; // the full-name lines
    std::string categoryDisplayName;           // code page 1250
    const MemberTable* members = nullptr;
    const ClassificationTable* classification = nullptr;
};

// True when the classification has a team to print: one whose points after
// the last stage are not 0.
bool hasPrintableTeams(const ClassificationTable& classification);

// Appends the category's pages (all pages of the first page column, then of
// the next ones) to the document; the frame is computed afresh from the
// device for this category. False when the abort flag was seen.
bool layOutCategoryResults(PageSequence& document, const ResultsCategoryInput& input, const DeviceMetrics& device,
                           const TextMeasurer& measurer, const AbortFlag& abort);

} // namespace trop
