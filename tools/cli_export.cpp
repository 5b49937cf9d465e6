#include "cli_commands.h"

#include <cstdio>

namespace trop::cli {

int runExport(const Arguments&)
{
    std::fprintf(stderr, "trop-cli export: not available yet\n");
    return 1;
}

} // namespace trop::cli
