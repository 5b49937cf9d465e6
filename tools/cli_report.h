// Reporting a store file that a command could not read, on standard error.
#pragma once

#include "trop/print/classification.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace trop::cli {

// "trop-cli classify: TP: cannot read "E2/Results": not a regular file"
inline void reportUnreadable(const char* command, const std::string& folderArgument,
                             const ClassificationFailure& failure)
{
    std::string file = failure.fileText;
    std::replace(file.begin(), file.end(), '\\', '/');
    std::fprintf(stderr, "trop-cli %s: %s: cannot read \"%s\"%s%s\n", command, folderArgument.c_str(), file.c_str(),
                 failure.problem.empty() ? "" : ": ", failure.problem.c_str());
}

} // namespace trop::cli
