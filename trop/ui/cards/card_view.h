// What the card entry window shows of a card, as code page 1250 texts.
#pragma once

#include "trop/model/control_card.h"
#include "trop/model/members.h"
#include "trop/model/stage_definition.h"

#include <array>
#include <cstdint>
#include <string>

namespace trop {

// The fields a judge types in the card entry window.
enum class CardField { StartTime, FinishTime, PenaltyPoints, TaskValue };
inline constexpr int kCardFieldCount = 4;
inline constexpr std::array<CardField, kCardFieldCount> kCardFields = {
    CardField::StartTime, CardField::FinishTime, CardField::PenaltyPoints, CardField::TaskValue};

// The texts of the typed fields, indexed by CardField.
using CardFieldTexts = std::array<std::string, kCardFieldCount>;

inline std::string& fieldIn(CardFieldTexts& texts, CardField field) { return texts[static_cast<int>(field)]; }
inline const std::string& fieldIn(const CardFieldTexts& texts, CardField field)
{
    return texts[static_cast<int>(field)];
}

inline constexpr std::uint32_t kEmptyBoxColour = 0x00C0C0C0;

struct BoxView {
    std::string code;               // blank for an empty box
    std::uint32_t colour = kEmptyBoxColour;
    std::string cardDescription;    // with its "LOP "/"OBS " prefix
    std::string correctDescription; // likewise
    std::string marks;              // "", "S", "M", then " O", " K", " Z"
    std::string penalty;            // blank when 0
};

struct CardView {
    std::string team;
    std::string members;        // surnames in capitals
    CardFieldTexts fields;      // TS, TM (blank when 0), PK, "Zad."
    std::string timePenalty;    // TP
    std::string stagePoints;    // PP, "%d,%d"
    std::string missing;        // BP: short labels of the missing points
    std::string missingPenalty; // BP sum
    std::string taskPenalty;
    bool extendedLimit = false;
    bool autoScore = true;
    std::array<BoxView, kBoxCount> boxes;
};

CardView viewOfCard(const ControlCard& card, const StageDefinition& stage, const MemberTable& members);

// The text a typed field shows for the card (blank for a card not entered).
std::string cardFieldText(const ControlCard& card, CardField field);

// The members of a team as the card window names them: surnames in capitals
// joined by ",   ".
std::string teamSurnamesInCapitals(const MemberTable& members, int teamNumber);

// Kind and marks of a used box: "" for PK, "S" for PS, "M" for PM, followed
// by " O", " K", " Z" for ZO, ZK, ZM.
std::string boxMarksText(const Confirmation& box);

} // namespace trop
