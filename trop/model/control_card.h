// One team's control card of one stage: a record of "Results".
#pragma once

#include "trop/store/layout.h"

namespace trop {

inline constexpr int kBoxCount = 40;
inline constexpr int kMaxCards = 1000;

enum ValueKind : std::int32_t {
    CorrectControl = 0,    // PK
    AssociatedControl = 1, // PS
    WrongPoint = 2,        // PM
};

struct Confirmation {
    std::int32_t codeIndex; // 0 = "bpk", no code
    std::int32_t repeatOfBox;
    std::int32_t orderBreakAfterBox;
    std::int32_t pointIndex;
    char cardDescription[8];
    std::int32_t cardIsLop;
    std::int32_t cardIsArea;
    char correctDescription[8];
    std::int32_t correctIsLop;
    std::int32_t correctIsArea;
    std::int32_t penalty;
    std::int32_t wrongDescription; // ZO
    std::int32_t orderChange;      // ZK
    std::int32_t repeated;         // ZM
    std::int32_t autoDescription;
    std::int32_t autoValue;
    std::int32_t empty;
    std::int32_t valueKind; // ValueKind
};

struct ControlCard {
    std::int32_t teamNumber; // 0 ends the table
    std::int32_t notEntered;
    std::int32_t autoScore;
    std::int32_t extendedLimit;
    std::int32_t startTime;
    std::int32_t finishTime;
    std::int32_t timePenalty;
    std::int32_t penaltyPoints;
    std::int32_t stagePoints; // tenths of a point
    std::int32_t taskValue;
    std::int32_t taskPenalty;
    std::int32_t missingCount;
    std::int32_t missingPenalty;
    std::int32_t missing[kBoxCount]; // route point indices
    Confirmation boxes[kBoxCount];
};

TROP_CHECK_LAYOUT(Confirmation, 80);
TROP_CHECK_OFFSET(Confirmation, codeIndex, 0);
TROP_CHECK_OFFSET(Confirmation, repeatOfBox, 4);
TROP_CHECK_OFFSET(Confirmation, orderBreakAfterBox, 8);
TROP_CHECK_OFFSET(Confirmation, pointIndex, 12);
TROP_CHECK_OFFSET(Confirmation, cardDescription, 16);
TROP_CHECK_OFFSET(Confirmation, cardIsLop, 24);
TROP_CHECK_OFFSET(Confirmation, cardIsArea, 28);
TROP_CHECK_OFFSET(Confirmation, correctDescription, 32);
TROP_CHECK_OFFSET(Confirmation, correctIsLop, 40);
TROP_CHECK_OFFSET(Confirmation, correctIsArea, 44);
TROP_CHECK_OFFSET(Confirmation, penalty, 48);
TROP_CHECK_OFFSET(Confirmation, wrongDescription, 52);
TROP_CHECK_OFFSET(Confirmation, orderChange, 56);
TROP_CHECK_OFFSET(Confirmation, repeated, 60);
TROP_CHECK_OFFSET(Confirmation, autoDescription, 64);
TROP_CHECK_OFFSET(Confirmation, autoValue, 68);
TROP_CHECK_OFFSET(Confirmation, empty, 72);
TROP_CHECK_OFFSET(Confirmation, valueKind, 76);

TROP_CHECK_LAYOUT(ControlCard, 3412);
TROP_CHECK_OFFSET(ControlCard, teamNumber, 0);
TROP_CHECK_OFFSET(ControlCard, notEntered, 4);
TROP_CHECK_OFFSET(ControlCard, autoScore, 8);
TROP_CHECK_OFFSET(ControlCard, extendedLimit, 12);
TROP_CHECK_OFFSET(ControlCard, startTime, 16);
TROP_CHECK_OFFSET(ControlCard, finishTime, 20);
TROP_CHECK_OFFSET(ControlCard, timePenalty, 24);
TROP_CHECK_OFFSET(ControlCard, penaltyPoints, 28);
TROP_CHECK_OFFSET(ControlCard, stagePoints, 32);
TROP_CHECK_OFFSET(ControlCard, taskValue, 36);
TROP_CHECK_OFFSET(ControlCard, taskPenalty, 40);
TROP_CHECK_OFFSET(ControlCard, missingCount, 44);
TROP_CHECK_OFFSET(ControlCard, missingPenalty, 48);
TROP_CHECK_OFFSET(ControlCard, missing, 52);
TROP_CHECK_OFFSET(ControlCard, boxes, 212);

// The cards of one stage, ascending by team number; the used part ends at the
// first card whose teamNumber is 0. About 3.4 MB: allocate it on the heap.
struct ResultsTable {
    ControlCard cards[kMaxCards];
};

} // namespace trop
