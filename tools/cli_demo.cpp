#include "cli_commands.h"

#include <cstdio>

namespace trop::cli {

int runDemo(const Arguments&, const std::filesystem::path&)
{
    std::fprintf(stderr, "trop-cli demo: not available yet\n");
    return 1;
}

} // namespace trop::cli
