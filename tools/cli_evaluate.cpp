#include "cli_commands.h"

#include <cstdio>

namespace trop::cli {

int runEvaluate(const Arguments&)
{
    std::fprintf(stderr, "trop-cli evaluate: not available yet\n");
    return 1;
}

} // namespace trop::cli
