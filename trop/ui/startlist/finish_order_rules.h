// What the finish order view of a stage shows, without widgets: the entered
// cards in order of finish time with the codes of their first twenty boxes.
// The view only reads: it creates and changes no file.
#pragma once

#include "trop/model/control_card.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trop {

struct MemberTable;

inline constexpr int kFinishOrderBoxColumns = 20;

// One box column of a row: blank, or a code with the colour of its marker.
struct FinishOrderBox {
    bool shown = false;
    std::string code;         // code page 1250
    std::uint32_t colour = 0; // 0x00BBGGRR
};

// Texts are code page 1250 bytes.
struct FinishOrderRow {
    int cardIndex = 0; // in the stage's results table
    std::string finish;   // "Meta ": "%d "
    std::string team;     // "Nr ": "%d "
    std::string surnames; // "Zespół": the surnames joined by ", "
    std::array<FinishOrderBox, kFinishOrderBoxColumns> boxes;
};

// The card indices 0..count-1 ordered by the exchange sort of the view:
// entered cards by ascending finish time, then the cards not entered. Equal
// finish times keep the order the sort leaves.
std::vector<int> finishOrder(const ResultsTable& cards, int count);

class FinishOrderRules {
public:
    // Reads the stage's "Results" and "Stage.Definition". A results file that
    // cannot be read, or a stage definition that is missing or cannot be
    // read whole, is reported with message 7 and the view closes at once. A
    // missing results file is an empty list. members may be nullptr.
    static FinishOrderRules open(const std::filesystem::path& stageFolder, const MemberTable* members);

    bool closesAtOnce() const { return closesAtOnce_; }
    const std::vector<FinishOrderRow>& rows() const { return rows_; }

private:
    bool closesAtOnce_ = true;
    std::vector<FinishOrderRow> rows_;
};

} // namespace trop
