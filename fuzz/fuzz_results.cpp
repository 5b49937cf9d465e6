// "Results" as the input: load it as a stage's and as a category's stage
// file, make sure teams have cards, find them and describe every box.
#include "fuzz_folder.h"

#include "trop/model/results.h"

#include <memory>

using namespace trop;

namespace {

void describeBoxes(const ResultsTable& table, int count)
{
    for (int i = 0; i < count; ++i)
        for (const Confirmation& box : table.cards[i].boxes) {
            const std::string card = boxDescriptionText(box.cardDescription, box.cardIsLop, box.cardIsArea);
            const std::string correct = boxDescriptionText(box.correctDescription, box.correctIsLop, box.correctIsArea);
            fuzz::require(card.size() <= 12 && correct.size() <= 12, "descriptions stay in their fields");
        }
}

void ensureAndFind(ResultsTable& table, int teamNumber)
{
    const int before = cardCount(table);
    const bool created = ensureCard(table, teamNumber);
    const int after = cardCount(table);
    fuzz::require(after == before + (created ? 1 : 0), "one card per creation");
    if (teamNumber != 0 && before < kMaxCards)
        fuzz::require(findCard(table, teamNumber) >= 0, "the team has a card");
    if (created)
        fuzz::require(table.cards[findCard(table, teamNumber)].notEntered == 1, "the new card is fresh");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path& folder = fuzz::scratchFolder();
    std::filesystem::create_directories(folder / "E4");
    fuzz::writeInput(folder / "E4" / kResultsFileName, data, size);

    static auto table = std::make_unique<ResultsTable>();
    const int count = loadStageResults(folder, 4, *table);
    fuzz::require(count >= 0 && count <= kMaxCards, "card count within the table");
    fuzz::require(loadResults(folder / "E4", *table) == count, "both loaders agree");
    describeBoxes(*table, count);

    // Team numbers from the data itself, around its first and last cards.
    if (count > 0) {
        for (int team : {table->cards[0].teamNumber, table->cards[count - 1].teamNumber})
            for (int delta : {-1, 0, 1})
                ensureAndFind(*table, static_cast<int>(static_cast<unsigned>(team) + static_cast<unsigned>(delta)));
    }
    ensureAndFind(*table, 1);
    ensureAndFind(*table, 0);

    const int saved = cardCount(*table);
    fuzz::require(saveResults(folder / "E4", *table), "save");
    fuzz::require(loadResults(folder / "E4", *table) == saved, "reload gives the saved count");
    return 0;
}
