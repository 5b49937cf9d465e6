// trop-cli where: prints the store folder that trop, tablo and trop-cli use.
#include "cli_commands.h"

#include "trop/store/store_location.h"

#include <cstdio>

namespace trop::cli {

int runWhere(const Arguments& args, const std::filesystem::path& programFolder)
{
    if (!args.empty()) {
        std::fprintf(stderr, "usage: trop-cli where\n");
        return 2;
    }
    const std::optional<std::filesystem::path> root = storeRootFor(programFolder);
    if (!root) {
        std::fprintf(stderr, "trop-cli where: %s\n", kNoStoreFolderText);
        return 1;
    }
    std::printf("%s\n", root->string().c_str());
    return 0;
}

} // namespace trop::cli
