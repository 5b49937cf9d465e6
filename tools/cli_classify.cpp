#include "cli_commands.h"

#include <cstdio>

namespace trop::cli {

int runClassify(const Arguments&)
{
    std::fprintf(stderr, "trop-cli classify: not available yet\n");
    return 1;
}

} // namespace trop::cli
