// Start lists and entered control cards of the sample competition. The card
// variants between them show every kind of penalty: PS, PM, ZO, ZK, ZM, WK,
// BP (normal points, LOP and area), lateness, the task, a card without a
// finish time (NKL) and a team without a card (ABS).
#include "demo_competition.h"

#include "trop/scoring/evaluate_card.h"
#include "trop/store/fixed_text.h"

#include <algorithm>
#include <vector>

namespace trop::demo {
namespace {

struct BoxSpec {
    int codeIndex; // -1: an empty box
    const char* description;
    bool lop = false;
    bool area = false;
};

// Code-table indices of the demo route (see demo_route.cpp).
enum Code { AK = 1, BT, CE, DM, EN, FR, GH, HU, JS, KW, MZ, NP, PR, RS, SW, WZ, TX, ZB };

const BoxSpec kEmpty = {-1, ""};

struct CardPlan {
    std::vector<BoxSpec> boxes;
    int minutesOnRoute; // 0: no finish time
    int taskValue = 0;
    bool hasCard = true;
};

CardPlan firstStagePlan(int variant)
{
    const std::vector<BoxSpec> perfect = {{AK, "1"}, {CE, "2"}, {DM, "3"}, {GH, "4A"}, {JS, "5"},
                                          {KW, "6"}, {NP, "7"}, {RS, "1", true}, {SW, "1", false, true},
                                          {WZ, "1", false, true}};
    CardPlan plan{perfect, 95, 350};
    std::vector<BoxSpec>& b = plan.boxes;
    switch (variant) {
    case 1: b[0] = {BT, "1"}; plan.taskValue = 357; break;                     // PS on a marked point, task
    case 2: b[1] = {CE, "9"}; b.push_back({AK, "1"}); plan.minutesOnRoute = 118; break; // ZO, ZM
    case 3: b.insert(b.begin() + 4, {TX, "5"}); b.insert(b.begin() + 2, kEmpty);        // PM, WK
            plan.minutesOnRoute = 125; plan.taskValue = 340; break;                     // late, task
    case 4: b.erase(b.begin() + 4); b[5] = {PR, "8"}; plan.minutesOnRoute = 100; break; // BP, other group point
    case 5: b.erase(b.begin() + 7); b[2] = {FR, "3"}; plan.taskValue = 380; plan.minutesOnRoute = 130; break;
    case 6: plan.minutesOnRoute = 0; break;                                      // no finish time: NKL
    case 7: plan.minutesOnRoute = 110; break;                                    // ties with variant 0
    case 8: plan.minutesOnRoute = 165; break;                                    // beyond the lateness limit
    case 9: b.pop_back(); b[3] = {GH, "4"}; plan.taskValue = 320; break;         // BP area, ZO
    case 10: b[5] = {MZ, "6"}; plan.taskValue = 352; break;                      // PS
    case 11: b.insert(b.begin() + 3, {ZB, "3"}); b.erase(b.begin() + 6); break;  // PM, BP
    default: break;
    }
    return plan;
}

CardPlan secondStagePlan(int variant)
{
    const std::vector<BoxSpec> perfect = {{BT, "1"}, {AK, "2"}, {DM, "3"}, {FR, "4"}, {HU, "5"},
                                          {KW, "6B"}, {MZ, "1", true}, {NP, "7"}, {PR, "8"}};
    CardPlan plan{perfect, 130, 0};
    std::vector<BoxSpec>& b = plan.boxes;
    switch (variant) {
    case 1: std::swap(b[2], b[3]); break;                                        // ZK
    case 2: b[4] = {JS, "5"}; b[5] = {KW, "6"}; break;                           // PS, ZO
    case 3: plan.hasCard = false; break;                                         // ABS
    case 4: b.insert(b.begin() + 5, kEmpty); b.insert(b.begin() + 2, {TX, "3"}); break; // WK, PM
    case 5: b.push_back({NP, "7"}); plan.minutesOnRoute = 170; break;            // ZM, late
    case 6: plan.minutesOnRoute = 140; break;
    case 7: b[1] = {CE, "2"}; break;                                             // PS on a marked point
    case 8: b.erase(b.begin() + 6); break;                                       // BP of the LOP
    case 9: b.pop_back(); b.pop_back(); break;                                   // BP of two points
    case 10: std::swap(b[0], b[1]); plan.minutesOnRoute = 120; break;            // ZK
    case 11: plan.minutesOnRoute = 151; break;                                   // one minute late
    default: break;
    }
    return plan;
}

void fillBox(Confirmation& box, const BoxSpec& plan)
{
    if (plan.codeIndex < 0)
        return;
    box.empty = 0;
    box.codeIndex = plan.codeIndex;
    setFieldText(box.cardDescription, plan.description);
    box.cardIsLop = plan.lop;
    box.cardIsArea = plan.area;
    box.autoDescription = 1;
    box.autoValue = 1;
}

int startOffset(const StartList& startList, int team)
{
    for (const StartEntry& entry : startList.entries) {
        if (entry.team == 0)
            break;
        if (entry.team == team)
            return entry.startTime;
    }
    return 0;
}

// A small fixed pseudo-random sequence, so every run builds the same lists.
unsigned nextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return (state >> 16) & 0x7FFF;
}

} // namespace

std::unique_ptr<StartList> demoStartList(int category, int stage, const MemberTable& members)
{
    std::vector<int> teams = teamNumbers(members);
    unsigned state = static_cast<unsigned>(category * 10 + stage);
    for (std::size_t i = teams.size(); i > 1; --i)
        std::swap(teams[i - 1], teams[nextRandom(state) % i]);
    auto list = std::make_unique<StartList>();
    *list = StartList{};
    constexpr int kTeamInterval = 4;
    for (std::size_t i = 0; i < teams.size() && i < kMaxStartEntries; ++i)
        list->entries[i] = {static_cast<std::int32_t>(i) * kTeamInterval, teams[i]};
    return list;
}

std::unique_ptr<ResultsTable> demoCards(int category, int stage, const MemberTable& members,
                                        const StartList& startList)
{
    auto cards = std::make_unique<ResultsTable>();
    *cards = ResultsTable{};
    const int firstStart = stage == 1 ? 540 : 620; // 9:00 and 10:20
    int count = 0;
    const std::vector<int> teams = teamNumbers(members);
    for (std::size_t t = 0; t < teams.size() && count < kMaxCards; ++t) {
        const int variant = static_cast<int>((t + static_cast<std::size_t>(category) * 5) % 12);
        const CardPlan plan = stage == 1 ? firstStagePlan(variant) : secondStagePlan(variant);
        if (!plan.hasCard)
            continue;
        ControlCard& card = cards->cards[count++];
        card = freshCard(teams[t]);
        card.notEntered = 0;
        card.startTime = firstStart + startOffset(startList, teams[t]);
        card.finishTime = plan.minutesOnRoute == 0 ? 0 : card.startTime + plan.minutesOnRoute;
        card.taskValue = plan.taskValue;
        for (std::size_t i = 0; i < plan.boxes.size() && i < static_cast<std::size_t>(kBoxCount); ++i)
            fillBox(card.boxes[i], plan.boxes[i]);
    }
    return cards;
}

bool settleCards(ResultsTable& cards, const StageDefinition& route)
{
    // Stage points depend on the best team, so one pass may move the others;
    // a handful of passes always reaches a fixed point for sane data.
    for (int pass = 0; pass < 10; ++pass)
        if (!reevaluateAllCards(cards, route))
            return true;
    return false;
}

} // namespace trop::demo
