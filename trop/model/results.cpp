// "Results": the cards of a stage, and keeping one card per team.
#include "results.h"

#include "trop/store/fixed_text.h"

#include <cstring>

namespace trop {

namespace {

std::int32_t teamOf(const ControlCard& card) { return card.teamNumber; }

std::string stageFolderName(int stage) { return std::string{'E', static_cast<char>('0' + stage)}; }

} // namespace

int cardCount(const ResultsTable& table) { return leadingRecordCount(table.cards, kMaxCards, teamOf); }

TableRead readResults(const std::filesystem::path& stageFolder, ResultsTable& table)
{
    return readTypedTable(stageFolder / kResultsFileName, table.cards, kMaxCards, teamOf);
}

TableRead readStageResults(const std::filesystem::path& categoryFolder, int stage, ResultsTable& table)
{
    if (stage < 0 || stage > 9) { // no such stage folder: nothing to read
        std::memset(&table, 0, sizeof table);
        TableRead missing;
        missing.status = TableStatus::Missing;
        return missing;
    }
    return readResults(categoryFolder / stageFolderName(stage), table);
}

std::string stageResultsFileText(int stage) { return stageFolderName(stage) + "\\" + kResultsFileName; }

int loadResults(const std::filesystem::path& stageFolder, ResultsTable& table)
{
    return loadedCount(readResults(stageFolder, table), stageFolder / kResultsFileName, MissingTableFile::CreateEmpty);
}

int loadStageResults(const std::filesystem::path& categoryFolder, int stage, ResultsTable& table)
{
    return loadedCount(readStageResults(categoryFolder, stage, table), {}, MissingTableFile::LeaveAbsent);
}

bool saveResults(const std::filesystem::path& stageFolder, const ResultsTable& table)
{
    return writeTableFile(stageFolder / kResultsFileName, table.cards, sizeof(ControlCard), cardCount(table));
}

ControlCard freshCard(int teamNumber)
{
    ControlCard card{};
    card.teamNumber = teamNumber;
    card.notEntered = 1;
    card.autoScore = 1;
    for (Confirmation& box : card.boxes)
        box.empty = 1;
    return card;
}

bool ensureCard(ResultsTable& table, int teamNumber)
{
    if (teamNumber == 0)
        return false;
    for (int i = 0; i < kMaxCards; ++i) {
        const std::int32_t number = table.cards[i].teamNumber;
        if (number == teamNumber)
            return false;
        if (number != 0 && number < teamNumber)
            continue;
        // A full table would have to drop its last card, which may be an
        // entered one: rather leave this team without a card.
        if (cardCount(table) == kMaxCards)
            return false;
        std::memmove(&table.cards[i + 1], &table.cards[i],
                     sizeof(ControlCard) * static_cast<std::size_t>(kMaxCards - 1 - i));
        table.cards[i] = freshCard(teamNumber);
        return true;
    }
    return false;
}

int findCard(const ResultsTable& table, int teamNumber)
{
    if (teamNumber == 0)
        return -1;
    for (int i = 0; i < kMaxCards && table.cards[i].teamNumber != 0; ++i)
        if (table.cards[i].teamNumber == teamNumber)
            return i;
    return -1;
}

std::string boxDescriptionText(const char (&description)[8], std::int32_t isLop, std::int32_t isArea)
{
    std::string text = isLop ? "LOP " : isArea ? "OBS " : "";
    text += fieldText(description);
    return text;
}

} // namespace trop
