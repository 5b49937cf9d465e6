#include "trop/ui/startlist/finish_order_rules.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/store/fixed_text.h"
#include "trop/store/messages.h"

#include <memory>
#include <utility>

namespace trop {
namespace {

bool entered(const ControlCard& card) { return card.notEntered == 0; }

std::string surnamesOf(const MemberTable* members, int team)
{
    std::string text;
    if (!members)
        return text;
    const int count = memberCount(*members);
    for (int i = 0; i < count; ++i) {
        const MemberRecord& member = members->records[i];
        if (member.teamNumber != team)
            continue;
        if (!text.empty())
            text += ", ";
        text += fieldText(member.surname);
    }
    return text;
}

FinishOrderRow rowOf(const ControlCard& card, int cardIndex, const StageDefinition& stage, const MemberTable* members)
{
    FinishOrderRow row;
    row.cardIndex = cardIndex;
    row.finish = std::to_string(card.finishTime) + ' ';
    row.team = std::to_string(card.teamNumber) + ' ';
    row.surnames = surnamesOf(members, card.teamNumber);
    for (int b = 0; b < kFinishOrderBoxColumns; ++b) {
        const Confirmation& box = card.boxes[b];
        // A code index from a damaged file names no marker: the cell stays blank.
        if (box.empty != 0 || !validCodeIndex(stage, box.codeIndex))
            continue;
        const ControlCode& marker = stage.codeTable[box.codeIndex];
        row.boxes[b] = FinishOrderBox{true, std::string(fieldText(marker.code)), marker.colour};
    }
    return row;
}

// The stage's cards; a missing file is an empty table and is not created.
int readCards(const std::filesystem::path& stageFolder, ResultsTable& cards)
{
    const TableRead read = readResults(stageFolder, cards);
    return read.usable() ? read.count : -1;
}

// The whole record, or false: the view has no defaults to fall back on, and
// a shorter file would leave the code table incomplete.
bool readStage(const std::filesystem::path& stageFolder, StageDefinition& stage)
{
    const StageFileRead read = readStageDefinition(stageFolder, stage);
    return read.status == ReadStatus::Ok && read.size == sizeof stage;
}

} // namespace

std::vector<int> finishOrder(const ResultsTable& cards, int count)
{
    std::vector<int> order;
    for (int i = 0; i < count && i < kMaxCards; ++i)
        order.push_back(i);
    const int size = static_cast<int>(order.size());
    for (int p = 0; p + 1 < size; ++p) {
        for (int q = p + 1; q < size; ++q) {
            const ControlCard& atP = cards.cards[order[p]];
            const ControlCard& atQ = cards.cards[order[q]];
            if (!entered(atP) || (entered(atQ) && atQ.finishTime < atP.finishTime))
                std::swap(order[p], order[q]);
        }
    }
    return order;
}

FinishOrderRules FinishOrderRules::open(const std::filesystem::path& stageFolder, const MemberTable* members)
{
    FinishOrderRules rules;
    auto cards = std::make_unique<ResultsTable>();
    const int count = readCards(stageFolder, *cards);
    if (count < 0) {
        showMessage(7, kResultsFileName);
        return rules;
    }
    auto stage = std::make_unique<StageDefinition>();
    if (!readStage(stageFolder, *stage)) {
        showMessage(7, kStageDefinitionFileName);
        return rules;
    }
    for (int index : finishOrder(*cards, count)) {
        if (!entered(cards->cards[index]))
            break;
        rules.rows_.push_back(rowOf(cards->cards[index], index, *stage, members));
    }
    rules.closesAtOnce_ = false;
    return rules;
}

} // namespace trop
