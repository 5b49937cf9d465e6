// "Start.List" as the input: load, save and load again.
#include "fuzz_folder.h"

#include "trop/model/start_list.h"

#include <memory>

using namespace trop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path& folder = fuzz::scratchFolder();
    fuzz::writeInput(folder / kStartListFileName, data, size);

    static auto list = std::make_unique<StartList>();
    const int count = loadStartList(folder, *list);
    fuzz::require(count >= 0 && count <= kMaxStartEntries, "entry count within the table");
    fuzz::require(count == kMaxStartEntries || list->entries[count].team == 0, "list ends at team 0");

    fuzz::require(saveStartList(folder, *list), "save");
    fuzz::require(std::filesystem::file_size(folder / kStartListFileName) == 8u * static_cast<unsigned>(count),
                  "eight bytes per entry");
    fuzz::require(loadStartList(folder, *list) == count, "reload gives the saved count");
    return 0;
}
