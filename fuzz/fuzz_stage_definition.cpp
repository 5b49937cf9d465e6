// "Stage.Definition" as the input: load it, then name every point, order the
// codes, save (which refreshes every code reference) and add a code.
#include "fuzz_folder.h"

#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>

using namespace trop;

namespace {

void checkDisplayOrder(const StageDefinition& stage)
{
    std::vector<int> order = codeDisplayOrder(stage);
    const int count = usedCodeCount(stage);
    fuzz::require(order.size() == static_cast<std::size_t>(count), "one position per code in use");
    if (count == 0)
        return;
    fuzz::require(order[0] == 0, "bpk first");
    for (int i = 2; i < count; ++i)
        fuzz::require(codeText(stage, order[i - 1]) <= codeText(stage, order[i]), "ascending byte order");
    std::sort(order.begin(), order.end());
    std::vector<int> identity(order.size());
    std::iota(identity.begin(), identity.end(), 0);
    fuzz::require(order == identity, "a permutation of the code indices");
}

void nameEveryPoint(const StageDefinition& stage)
{
    for (int p = -1; p <= kMaxPoints; ++p) {
        const std::string label = pointLabel(stage, p);
        const std::string shortLabel = pointShortLabel(stage, p);
        fuzz::require(label.size() <= 14 && shortLabel.size() <= 14, "labels stay short");
        leadingSpellingLength(label, lopSpellings);
        leadingSpellingLength(label, areaSpellings);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path& folder = fuzz::scratchFolder();
    fuzz::writeInput(folder / kStageDefinitionFileName, data, size);

    static auto stage = std::make_unique<StageDefinition>();
    std::memset(stage.get(), 0, sizeof *stage);
    fuzz::require(loadStageDefinition(folder, *stage), "load");

    nameEveryPoint(*stage);
    checkDisplayOrder(*stage);

    fuzz::require(saveStageDefinition(folder, *stage), "save");
    for (int p = 0; p < usedPointCount(*stage); ++p) {
        const RoutePoint& point = stage->points[p];
        for (int c = 0; c < usedControlCount(point); ++c) {
            const CodeRef& ref = point.controls[c];
            if (validCodeIndex(*stage, ref.codeIndex))
                fuzz::require(ref.colour == stage->codeTable[ref.codeIndex].colour, "refreshed colour");
        }
    }

    const int codes = usedCodeCount(*stage);
    fuzz::require(addCode(*stage, 0x123456, "ZZ") == (codes < kMaxCodes), "code added unless full");
    checkDisplayOrder(*stage);
    return 0;
}
