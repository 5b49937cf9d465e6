#include "reference_matching.h"

#include "trop/store/fixed_text.h"

#include <algorithm>
#include <string>

using namespace trop;

namespace scoring_test {

namespace {

int bounded(int count, int capacity)
{
    return std::clamp(count, 0, capacity);
}

bool fullMatch(const RoutePoint& p, const std::string& text, int isLop, int isArea)
{
    const std::string d1(fieldText(p.description1));
    const std::string d2(fieldText(p.description2));
    return (text == d1 + d2 || text == d2 + d1) && isLop == p.isLop && isArea == p.isArea;
}

bool partialMatch(const RoutePoint& p, const Confirmation& box)
{
    const std::string text(fieldText(box.cardDescription));
    if (fullMatch(p, text, box.cardIsLop, box.cardIsArea))
        return true;
    const std::string d1(fieldText(p.description1));
    const std::size_t n = d1.size();
    const bool head = text.substr(0, n) == d1;
    const bool tail = text.size() >= n && text.substr(text.size() - n) == d1;
    return (head || tail) && box.cardIsLop == p.isLop && box.cardIsArea == p.isArea;
}

bool judgeMatch(const RoutePoint& p, const Confirmation& box)
{
    return fullMatch(p, std::string(fieldText(box.correctDescription)), box.correctIsLop, box.correctIsArea);
}

struct Literal {
    const ControlCard& card;
    const StageDefinition& stage;
    ReferenceMatching& m;

    const Confirmation& box(int r) const { return card.boxes[m.rows[r]]; }
    const RoutePoint& point(int s) const { return stage.points[m.slots[s]]; }

    bool earlierOnSlot(int r, int s) const
    {
        for (int r2 = 0; r2 < r; ++r2)
            if (m.assignment[r2][s] == 2)
                return true;
        return false;
    }
    bool laterOnSlot(int r, int s) const
    {
        for (int r2 = r + 1; r2 < m.rowCount; ++r2)
            if (m.assignment[r2][s] == 2)
                return true;
        return false;
    }
    bool earlierAssociatedOnSlot(int r, int s) const
    {
        for (int r2 = 0; r2 < r; ++r2)
            if (m.assignment[r2][s] == 2 && m.matchKind[r2][s] == 1)
                return true;
        return false;
    }

    void buildRowsAndSlots()
    {
        for (int b = 0; b < kBoxCount; ++b)
            if (card.boxes[b].empty == 0)
                m.rows[m.rowCount++] = b;
        for (int p = 0; p < bounded(stage.pointCount, kMaxPoints); ++p)
            for (int k = 0; k < stage.points[p].confirmations && m.slotCount < kBoxCount; ++k)
                m.slots[m.slotCount++] = p;
        for (auto& row : m.matchKind)
            std::fill(std::begin(row), std::end(row), 2);
    }

    void computeMatchKinds()
    {
        for (int r = 0; r < m.rowCount; ++r) {
            for (int s = 0; s < m.slotCount; ++s) {
                const RoutePoint& p = point(s);
                bool result = false;
                for (int c = 0; c < bounded(p.controlCount, kMaxPointControls); ++c)
                    if (p.controls[c].codeIndex == box(r).codeIndex)
                        result = box(r).codeIndex == 0 ? partialMatch(p, box(r)) : true;
                if (result) {
                    m.matchKind[r][s] = 0;
                    continue;
                }
                for (int a = 0; a < bounded(p.associatedCount, kMaxPointControls); ++a)
                    if (p.associated[a].codeIndex == box(r).codeIndex)
                        m.matchKind[r][s] = 1;
            }
        }
    }

    void assign(int r, int s)
    {
        int chosen = s;
        bool found = false;
        for (int s2 = 0; s2 < m.slotCount && !found; ++s2) {
            if (m.slots[s2] != m.slots[s])
                continue;
            for (int r2 = 0; r2 < m.rowCount && !found; ++r2) {
                if (r2 != r && box(r2).codeIndex == box(r).codeIndex && m.assignment[r2][s2] == 2) {
                    chosen = s2;
                    found = true;
                }
            }
        }
        for (int r2 = 0; r2 < m.rowCount; ++r2)
            if (m.assignment[r2][chosen] == 0)
                m.assignment[r2][chosen] = 1;
        for (int s2 = 0; s2 < m.slotCount; ++s2)
            if (m.assignment[r][s2] == 0)
                m.assignment[r][s2] = 1;
        m.assignment[r][chosen] = 2;
    }

    template <typename Eligible, typename Test>
    void pass(Eligible eligible, Test test)
    {
        for (int r = 0; r < m.rowCount; ++r) {
            if (!eligible(r))
                continue;
            for (int s = 0; s < m.slotCount; ++s) {
                if (test(r, s)) {
                    assign(r, s);
                    break;
                }
            }
        }
    }

    void runPasses()
    {
        auto unassigned = [&](int r) { return m.assignedSlot(r) < 0; };
        auto judged = [&](int r) { return box(r).autoDescription == 0; };
        auto isFree = [&](int r, int s) { return m.assignment[r][s] == 0; };
        auto kind = [&](int r, int s, int k) { return m.matchKind[r][s] == k; };
        auto fits = [&](int r, int s) { return partialMatch(point(s), box(r)); };

        pass(judged, [&](int r, int s) { return isFree(r, s) && judgeMatch(point(s), box(r)); });
        pass([&](int r) { return unassigned(r) && judged(r); },
             [&](int r, int s) { return judgeMatch(point(s), box(r)); });
        for (bool describe : {true, false}) {
            if (!describe && stage.wrongDescriptionIsWrongPoint != 0)
                break;
            auto fit = [&](int r, int s) { return !describe || fits(r, s); };
            pass(unassigned, [&](int r, int s) { return kind(r, s, 0) && isFree(r, s) && fit(r, s); });
            pass(unassigned, [&](int r, int s) { return kind(r, s, 0) && fit(r, s) && earlierOnSlot(r, s); });
            pass(unassigned, [&](int r, int s) { return kind(r, s, 0) && fit(r, s); });
            pass(unassigned, [&](int r, int s) { return kind(r, s, 1) && isFree(r, s) && fit(r, s); });
            pass(unassigned, [&](int r, int s) { return kind(r, s, 1) && fit(r, s) && laterOnSlot(r, s); });
            pass(unassigned,
                 [&](int r, int s) { return kind(r, s, 1) && fit(r, s) && earlierAssociatedOnSlot(r, s); });
            pass(unassigned, [&](int r, int s) { return kind(r, s, 1) && fit(r, s); });
        }
    }
};

} // namespace

int ReferenceMatching::assignedSlot(int row) const
{
    for (int s = 0; s < slotCount; ++s)
        if (assignment[row][s] == 2)
            return s;
    return -1;
}

void referenceMatch(const ControlCard& card, const StageDefinition& stage, ReferenceMatching& out)
{
    out = ReferenceMatching{};
    Literal literal{card, stage, out};
    literal.buildRowsAndSlots();
    literal.computeMatchKinds();
    literal.runPasses();
}

} // namespace scoring_test
