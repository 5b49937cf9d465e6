// A temporary category folder with participants and stage results written
// through the store's own file functions.
#pragma once

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace trop::testing {

inline MemberRecord member(int team, const char* surname, const char* firstName, const char* club = "",
                           const char* town = "")
{
    MemberRecord record{};
    record.teamNumber = team;
    setFieldText(record.surname, surname);
    setFieldText(record.firstName, firstName);
    setFieldText(record.club, club);
    setFieldText(record.town, town);
    return record;
}

inline ControlCard enteredCard(int team, int penaltyPoints, int stagePoints)
{
    ControlCard card = freshCard(team);
    card.notEntered = 0;
    card.penaltyPoints = penaltyPoints;
    card.stagePoints = stagePoints;
    card.finishTime = 100; // finished: no stage points means nothing was confirmed
    return card;
}

inline std::unique_ptr<MemberTable> memberTable(const std::vector<MemberRecord>& records)
{
    auto table = std::make_unique<MemberTable>();
    *table = MemberTable{};
    for (std::size_t i = 0; i < records.size(); ++i)
        table->records[i] = records[i];
    return table;
}

class CategoryFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = std::filesystem::temp_directory_path()
               / ("trop-print-" + std::to_string(::getpid()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        category = root / "Wrzos" / "TP";
        std::filesystem::create_directories(category);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    void writeMembers(const std::vector<MemberRecord>& records)
    {
        ASSERT_TRUE(saveMembers(category, *memberTable(records)));
    }

    void writeStage(int stage, const std::vector<ControlCard>& cards)
    {
        const std::filesystem::path folder = category / ("E" + std::to_string(stage));
        std::filesystem::create_directories(folder);
        auto table = std::make_unique<ResultsTable>();
        *table = ResultsTable{};
        for (std::size_t i = 0; i < cards.size(); ++i)
            table->cards[i] = cards[i];
        ASSERT_TRUE(saveResults(folder, *table));
    }

    std::filesystem::path root;
    std::filesystem::path category;
};

} // namespace trop::testing
