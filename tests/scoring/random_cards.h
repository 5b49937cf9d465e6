// Random stages and cards with few codes and descriptions, so that boxes
// collide, repeat and fit several points at once.
#pragma once

#include "scoring_builders.h"

#include <random>

namespace scoring_test {

class RandomCards {
public:
    explicit RandomCards(unsigned seed) : random_(seed) {}

    void fillStage(StageDefinition& stage)
    {
        std::memset(&stage, 0, sizeof stage);
        stage.pointCount = pick(0, kMaxPoints);
        for (int p = 0; p < stage.pointCount; ++p)
            fillPoint(stage.points[p]);
        stage.requiredConfirmations = pick(-2, 25);
        stage.groupCount = pick(0, 5);
        for (int g = 0; g < stage.groupCount; ++g) {
            PointGroup& group = stage.groups[g];
            group.memberCount = pick(0, 4);
            for (int m = 0; m < group.memberCount; ++m)
                group.members[m] = pick(0, stage.pointCount + 1); // now and then one too far
            group.confirmations = pick(0, 3);
        }
        stage.orderRule = pick(0, 2);
        stage.orderCount = pick(0, 12);
        for (int i = 0; i < stage.orderCount; ++i)
            stage.orderList[i] = pick(0, 12);
        stage.wrongDescriptionIsWrongPoint = pick(0, 1);
        stage.timeLimit = 60;
        stage.lateLimit = 20;
        stage.stageConstant = pick(0, 1) ? 0 : pick(10, 2000);
    }

    void fillCard(ControlCard& card)
    {
        card = enteredCard(1);
        card.notEntered = pick(0, 9) == 0;
        card.autoScore = pick(0, 9) != 0;
        card.finishTime = pick(0, 90);
        card.penaltyPoints = pick(0, 500);
        const int used = pick(0, kBoxCount);
        for (int b = 0; b < used; ++b) {
            if (pick(0, 6) == 0)
                continue; // an empty box in between
            Confirmation& box = fillBox(card, b, code(), description(), pick(0, 7) == 0, 0);
            box.autoDescription = pick(0, 3) != 0;
            box.autoValue = pick(0, 7) != 0;
            setFieldText(box.correctDescription, description());
            box.penalty = pick(0, 40);
            box.valueKind = pick(0, 2);
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    int code() { return pick(0, 20) == 0 ? 900 : pick(0, 6); }

    std::string description()
    {
        static const char* const texts[] = {"", "A", "B", "AB", "BA", "AX", "XA", "C", "ABC", "L"};
        return texts[pick(0, 9)];
    }

    void fillPoint(RoutePoint& point)
    {
        static const char* const parts[] = {"", "A", "B", "C", "AB"};
        setFieldText(point.description1, parts[pick(0, 4)]);
        setFieldText(point.description2, parts[pick(0, 4)]);
        point.isLop = pick(0, 6) == 0;
        point.markedOnMap = pick(0, 1);
        point.confirmations = pick(0, 3);
        point.controlCount = pick(0, 3);
        for (int i = 0; i < point.controlCount; ++i)
            point.controls[i].codeIndex = code();
        point.associatedCount = pick(0, 2);
        for (int i = 0; i < point.associatedCount; ++i)
            point.associated[i].codeIndex = code();
    }

    std::mt19937 random_;
};

} // namespace scoring_test
