// trop-cli demo [STORE_ROOT]: creates the sample competition in the store
// (programFolder/Zawody by default) unless a competition of its name is there.
#include "cli_commands.h"

#include "demo_competition.h"

#include <cstdio>

namespace trop::cli {

int runDemo(const Arguments& args, const std::filesystem::path& programFolder)
{
    if (args.size() > 1) {
        std::fprintf(stderr, "usage: trop-cli demo [STORE_ROOT]\n");
        return 2;
    }
    const std::filesystem::path root = args.empty() ? programFolder / "Zawody" : std::filesystem::path(args[0]);
    std::error_code code;
    std::filesystem::create_directories(root, code);
    if (code || !std::filesystem::is_directory(root, code)) {
        std::fprintf(stderr, "trop-cli demo: cannot create the store folder %s\n", root.string().c_str());
        return 1;
    }
    const std::filesystem::path competition = root / demo::kCompetitionFolderName;
    if (std::filesystem::exists(competition, code)) {
        std::printf("%s already exists; left as it is\n", competition.string().c_str());
        return 0;
    }
    std::string error;
    if (!demo::writeDemoCompetition(competition, error)) {
        std::fprintf(stderr, "trop-cli demo: %s\n", error.c_str());
        return 1;
    }
    std::printf("created %s\n", competition.string().c_str());
    return 0;
}

} // namespace trop::cli
