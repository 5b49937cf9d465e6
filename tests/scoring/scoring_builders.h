// Small stage definitions and cards for the evaluation tests. Code indices
// are used directly (1, 2, ...); the evaluation never looks at code texts.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/results.h"
#include "trop/model/stage_definition.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/fixed_text.h"

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

namespace scoring_test {

using namespace trop;

struct PointSpec {
    std::string description1;
    std::string description2;
    std::initializer_list<int> controls;
    std::initializer_list<int> associated = {};
};

class StageBuilder {
public:
    StageBuilder() : stage_(std::make_unique<StageDefinition>())
    {
        std::memset(stage_.get(), 0, sizeof(StageDefinition));
        stage_->codeCount = kMaxCodes;
        stage_->timeLimit = 100;
        stage_->lateLimit = 30;
        stage_->stageConstant = 1000;
        stage_->taskPenaltyPerPoint = 1;
    }

    // A normal point with one required confirmation; returns its index.
    int point(const PointSpec& plan)
    {
        const int index = stage_->pointCount++;
        RoutePoint& p = stage_->points[index];
        setFieldText(p.description1, plan.description1);
        setFieldText(p.description2, plan.description2);
        p.confirmations = 1;
        for (int code : plan.controls)
            p.controls[p.controlCount++].codeIndex = code;
        for (int code : plan.associated)
            p.associated[p.associatedCount++].codeIndex = code;
        ++stage_->requiredConfirmations;
        return index;
    }

    int lop(const std::string& description, std::initializer_list<int> controls, int confirmations = 1)
    {
        const int index = point({description, "", controls});
        stage_->points[index].isLop = 1;
        stage_->points[index].confirmations = confirmations;
        --stage_->requiredConfirmations; // counted without LOPs and areas
        return index;
    }

    int group(std::initializer_list<int> members, int confirmations)
    {
        const int index = stage_->groupCount++;
        PointGroup& g = stage_->groups[index];
        for (int m : members)
            g.members[g.memberCount++] = m;
        g.confirmations = confirmations;
        return index;
    }

    void order(OrderRule rule, std::initializer_list<int> entries)
    {
        stage_->orderRule = rule;
        for (int e : entries)
            stage_->orderList[stage_->orderCount++] = e;
    }

    StageDefinition& operator*() { return *stage_; }
    StageDefinition* operator->() { return stage_.get(); }

private:
    std::unique_ptr<StageDefinition> stage_;
};

// An entered card with automatic scoring, started at 0 and finished at 60.
inline ControlCard enteredCard(int team = 1)
{
    ControlCard card = freshCard(team);
    card.notEntered = 0;
    card.finishTime = 60;
    return card;
}

inline Confirmation& fillBox(ControlCard& card, int box, int code, const std::string& description,
                             int isLop = 0, int isArea = 0)
{
    Confirmation& b = card.boxes[box];
    b.empty = 0;
    b.codeIndex = code;
    setFieldText(b.cardDescription, description);
    b.cardIsLop = isLop;
    b.cardIsArea = isArea;
    b.autoDescription = 1;
    b.autoValue = 1;
    return b;
}

inline std::unique_ptr<ResultsTable> emptyTable()
{
    auto table = std::make_unique<ResultsTable>();
    std::memset(table.get(), 0, sizeof(ResultsTable));
    return table;
}

// Points A..D with controls 1..4.
inline StageBuilder routeABCD()
{
    StageBuilder stage;
    for (int i = 0; i < 4; ++i)
        stage.point({std::string(1, char('A' + i)), "", {i + 1}});
    return stage;
}

// One character per box: A-D confirm that point, a-d the same valued by hand,
// '.' is empty, 'w' an unknown code, 'j' an unknown code that the judge
// described as B (assigned to B, but a wrong point).
inline ControlCard cardOf(const char* boxes)
{
    ControlCard card = enteredCard();
    for (int b = 0; boxes[b] != 0; ++b) {
        const char c = boxes[b];
        if (c == 'w' || c == 'j') {
            Confirmation& box = fillBox(card, b, 9, "B");
            box.autoDescription = c == 'w';
            setFieldText(box.correctDescription, "B");
        } else if (c != '.') {
            const int point = std::tolower(c) - 'a';
            Confirmation& box = fillBox(card, b, point + 1, std::string(1, char('A' + point)));
            box.autoValue = std::isupper(c) ? 1 : 0;
            box.penalty = 0;
        }
    }
    return card;
}

// Evaluates against an empty results table.
inline int evaluate(ControlCard& card, const StageDefinition& stage)
{
    return evaluateCard(card, stage, *emptyTable());
}

inline std::string text(const char (&field)[8])
{
    return std::string(fieldText(field));
}

} // namespace scoring_test
