// trop-cli demo [STORE_ROOT]: creates the sample competition in the store
// (the one trop uses by default) unless a competition of its name is there.
#include "cli_commands.h"

#include "demo_competition.h"

#include "trop/store/store_location.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace trop::cli {
namespace {

namespace fs = std::filesystem;

// A fresh folder beside the competition's place, with the permissions a new
// folder gets (mkdtemp makes it private).
bool makeBuildingFolder(const fs::path& root, fs::path& building)
{
    std::string pattern = (root / ("." + std::string(demo::kCompetitionFolderName) + ".XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return false;
    building = pattern;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return ::chmod(building.c_str(), 0777 & ~mask) == 0;
}

void removeQuietly(const fs::path& folder)
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

} // namespace

int runDemo(const Arguments& args, const fs::path& programFolder)
{
    if (args.size() > 1) {
        std::fprintf(stderr, "usage: trop-cli demo [STORE_ROOT]\n");
        return 2;
    }
    const std::optional<fs::path> storeRoot = args.empty() ? storeRootFor(programFolder) : fs::path(args[0]);
    if (!storeRoot) {
        std::fprintf(stderr, "trop-cli demo: %s\n", kNoStoreFolderText);
        return 1;
    }
    const fs::path& root = *storeRoot;
    std::error_code code;
    fs::create_directories(root, code);
    if (code || !fs::is_directory(root, code)) {
        std::fprintf(stderr, "trop-cli demo: cannot create the store folder %s\n", root.string().c_str());
        return 1;
    }
    const fs::path competition = root / demo::kCompetitionFolderName;
    if (fs::exists(fs::symlink_status(competition, code))) {
        std::printf("%s already exists; left as it is\n", competition.string().c_str());
        return 0;
    }
    // The competition is built aside and renamed into place only when it is
    // complete, so an interrupted or failed run never leaves half of it.
    fs::path building;
    if (!makeBuildingFolder(root, building)) {
        std::fprintf(stderr, "trop-cli demo: cannot create a folder in %s\n", root.string().c_str());
        removeQuietly(building);
        return 1;
    }
    std::string error;
    if (!demo::writeDemoCompetition(building, error)) {
        removeQuietly(building);
        std::fprintf(stderr, "trop-cli demo: %s\n", error.c_str());
        return 1;
    }
    if (::renameat2(AT_FDCWD, building.c_str(), AT_FDCWD, competition.c_str(), RENAME_NOREPLACE) != 0) {
        const int failure = errno;
        removeQuietly(building);
        if (failure == EEXIST) {
            std::printf("%s already exists; left as it is\n", competition.string().c_str());
            return 0;
        }
        std::fprintf(stderr, "trop-cli demo: cannot rename the new competition to %s\n",
                     competition.string().c_str());
        return 1;
    }
    std::printf("created %s\n", competition.string().c_str());
    return 0;
}

} // namespace trop::cli
