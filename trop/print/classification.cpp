#include "trop/print/classification.h"

#include "trop/model/results.h"

#include <limits>
#include <memory>
#include <utility>

namespace trop {
namespace {

void resetTable(ClassificationTable& table)
{
    table.rowCount = 0;
    table.stageCount = 0;
    for (ClassificationRow& row : table.rows) {
        row.teamNumber = 0;
        for (StageStanding& standing : row.stages)
            standing = StageStanding{kAbsent, 0, 0, 0, 0};
    }
}

void addTeamRows(const MemberTable& members, ClassificationTable& table)
{
    for (int team : teamNumbers(members)) {
        if (table.rowCount == kMaxClassificationRows)
            break;
        table.rows[table.rowCount++].teamNumber = team;
    }
}

// Both lists ascend by team number, so the search only moves forward; a card
// without a row is skipped and the next card searches from where it stood.
void fillStage(const ResultsTable& cards, int cardTotal, int stage, ClassificationTable& table)
{
    int rowIndex = 0;
    for (int c = 0; c < cardTotal; ++c) {
        const ControlCard& card = cards.cards[c];
        int found = rowIndex;
        while (found < table.rowCount && table.rows[found].teamNumber != card.teamNumber)
            ++found;
        if (found == table.rowCount)
            continue;
        rowIndex = found;
        StageStanding& standing = table.rows[found].stages[stage];
        if (card.notEntered != 0) {
            standing.penaltyPoints = kAbsent;
            standing.stagePoints = 0;
            standing.totalPoints = 0;
            continue;
        }
        standing.penaltyPoints = card.stagePoints == 0 ? kNotClassified : card.penaltyPoints;
        standing.stagePoints = card.stagePoints;
        standing.totalPoints = card.stagePoints;
    }
}

// Points come from files; a damaged file must not overflow the total.
std::int32_t saturatingAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

// The exchange sort of the classification: for every position r and every
// later position q the rows change places when q ranks above r. Its
// (unstable) treatment of ties is part of the published order.
template <typename RanksAbove>
void exchangeSort(ClassificationTable& table, RanksAbove ranksAbove)
{
    for (int r = 0; r < table.rowCount; ++r)
        for (int q = r + 1; q < table.rowCount; ++q)
            if (ranksAbove(table.rows[q], table.rows[r]))
                std::swap(table.rows[q], table.rows[r]);
}

void sortByTotal(ClassificationTable& table, int stage)
{
    exchangeSort(table, [stage](const ClassificationRow& q, const ClassificationRow& r) {
        return q.stages[stage].totalPoints > r.stages[stage].totalPoints;
    });
}

void placeStage(ClassificationTable& table, int stage)
{
    exchangeSort(table, [stage](const ClassificationRow& q, const ClassificationRow& r) {
        const StageStanding& a = q.stages[stage];
        const StageStanding& b = r.stages[stage];
        return a.stagePoints > b.stagePoints
               || (a.stagePoints == b.stagePoints && a.penaltyPoints < b.penaltyPoints);
    });
    int groupStart = 0;
    for (int i = 0; i < table.rowCount; ++i) {
        StageStanding& standing = table.rows[i].stages[stage];
        if (i > 0) {
            const StageStanding& previous = table.rows[i - 1].stages[stage];
            if (standing.stagePoints != previous.stagePoints || standing.penaltyPoints != previous.penaltyPoints)
                groupStart = i;
        }
        standing.stagePlace = standing.stagePoints == 0 ? 0 : groupStart + 1;
    }

    sortByTotal(table, stage);
    if (table.stageCount == 1) {
        for (int i = 0; i < table.rowCount; ++i)
            table.rows[i].stages[stage].totalPlace = table.rows[i].stages[stage].stagePlace;
        return;
    }
    groupStart = 0;
    for (int i = 0; i < table.rowCount; ++i) {
        StageStanding& standing = table.rows[i].stages[stage];
        if (i > 0 && standing.totalPoints != table.rows[i - 1].stages[stage].totalPoints)
            groupStart = i;
        standing.totalPlace = standing.totalPoints == 0 ? 0 : groupStart + 1;
    }
}

ClassificationResult fail(ClassificationResult result, const std::string& fileText, const TableRead& read,
                          ClassificationFailure* failure)
{
    if (failure != nullptr)
        *failure = ClassificationFailure{fileText, read.problem};
    return result;
}

} // namespace

ClassificationResult classifyLoadedMembers(const std::filesystem::path& categoryFolder, const MemberTable& members,
                                           ClassificationTable& table, ClassificationFailure* failure)
{
    resetTable(table);
    addTeamRows(members, table);

    auto cards = std::make_unique<ResultsTable>();
    int stages = kMaxClassifiedStages;
    for (int s = 1; s <= kMaxClassifiedStages; ++s) {
        const TableRead read = readStageResults(categoryFolder, s, *cards);
        if (!read.usable()) {
            resetTable(table);
            return fail(ClassificationResult::StageUnreadable, stageResultsFileText(s), read, failure);
        }
        if (read.count < 1) {
            stages = s - 1;
            break;
        }
        fillStage(*cards, read.count, s, table);
    }
    table.stageCount = stages;

    for (int s = 2; s <= stages; ++s)
        for (int i = 0; i < table.rowCount; ++i) {
            StageStanding* standings = table.rows[i].stages;
            standings[s].totalPoints = saturatingAdd(standings[s].totalPoints, standings[s - 1].totalPoints);
        }
    for (int s = 1; s <= stages; ++s)
        placeStage(table, s);
    if (stages >= 1)
        sortByTotal(table, stages);
    return ClassificationResult::Built;
}

ClassificationResult classifyCategory(const std::filesystem::path& categoryFolder, MemberTable& members,
                                      ClassificationTable& table, ClassificationFailure* failure)
{
    resetTable(table);
    const TableRead read = readMembers(categoryFolder, members);
    if (!read.usable())
        return fail(ClassificationResult::MembersUnreadable, kMembersFileName, read, failure);
    if (read.count == 0)
        return ClassificationResult::NoMembers;
    return classifyLoadedMembers(categoryFolder, members, table, failure);
}

bool buildClassification(const std::filesystem::path& categoryFolder, MemberTable& members,
                         ClassificationTable& table)
{
    return classifyCategory(categoryFolder, members, table) == ClassificationResult::Built;
}

} // namespace trop
