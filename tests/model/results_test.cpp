#include "model_test_support.h"

#include "trop/model/results.h"
#include "trop/store/fixed_text.h"

#include <memory>

using namespace trop;

namespace {

ControlCard enteredCard(int team, int penaltyPoints)
{
    ControlCard card = freshCard(team);
    card.notEntered = 0;
    card.penaltyPoints = penaltyPoints;
    return card;
}

using Results = trop::test::FolderTest;

TEST_F(Results, StageResultsAreReadFromTheStageFolderAndNeverCreated)
{
    auto table = std::make_unique<ResultsTable>();
    std::filesystem::create_directory(folder / "E9");
    table->cards[0] = enteredCard(4, 12);
    table->cards[1] = enteredCard(6, 30);
    ASSERT_TRUE(saveResults(folder / "E9", *table));

    auto loaded = std::make_unique<ResultsTable>();
    EXPECT_EQ(loadStageResults(folder, 9, *loaded), 2);
    EXPECT_EQ(loaded->cards[1].penaltyPoints, 30);

    EXPECT_EQ(loadStageResults(folder, 2, *loaded), 0);
    EXPECT_EQ(loaded->cards[0].teamNumber, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "E2"));

    for (int stage : {-1, 10}) {
        *loaded = *table;
        EXPECT_EQ(loadStageResults(folder, stage, *loaded), 0);
        EXPECT_EQ(loaded->cards[0].teamNumber, 0);
    }

    std::filesystem::create_directories(folder / "E5" / kResultsFileName);
    EXPECT_EQ(loadStageResults(folder, 5, *loaded), -1);
}

TEST(FreshCard, IsNotEnteredAutomaticWithEveryBoxEmpty)
{
    const ControlCard card = freshCard(17);
    ControlCard expected{};
    expected.teamNumber = 17;
    expected.notEntered = 1;
    expected.autoScore = 1;
    for (Confirmation& box : expected.boxes)
        box.empty = 1;
    EXPECT_EQ(std::memcmp(&card, &expected, sizeof card), 0);
}

TEST(EnsureCard, AddsFreshCardsInTeamOrderAndKeepsTheStoredOnes)
{
    auto table = std::make_unique<ResultsTable>();
    table->cards[0] = enteredCard(2, 20);
    table->cards[1] = enteredCard(5, 50);
    table->cards[2] = enteredCard(9, 90);

    std::vector<int> created;
    for (int team : {1, 2, 5, 7, 9})
        if (ensureCard(*table, team))
            created.push_back(team);
    EXPECT_EQ(created, (std::vector<int>{1, 7}));

    ASSERT_EQ(cardCount(*table), 5);
    const int teams[] = {1, 2, 5, 7, 9};
    const int notEntered[] = {1, 0, 0, 1, 0};
    const int penalties[] = {0, 20, 50, 0, 90};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table->cards[i].teamNumber, teams[i]);
        EXPECT_EQ(table->cards[i].notEntered, notEntered[i]);
        EXPECT_EQ(table->cards[i].penaltyPoints, penalties[i]);
        EXPECT_EQ(findCard(*table, teams[i]), i);
    }
    EXPECT_EQ(findCard(*table, 3), -1);
    EXPECT_EQ(findCard(*table, 0), -1);
    EXPECT_FALSE(ensureCard(*table, 0));
    EXPECT_EQ(cardCount(*table), 5);
}

TEST(EnsureCard, AFullTableDropsNoCard)
{
    auto table = std::make_unique<ResultsTable>();
    for (int i = 0; i < kMaxCards; ++i)
        table->cards[i] = enteredCard(2 * (i + 1), i);
    EXPECT_FALSE(ensureCard(*table, 3));
    EXPECT_FALSE(ensureCard(*table, 5000));
    EXPECT_EQ(table->cards[kMaxCards - 1].teamNumber, 2 * kMaxCards);
    EXPECT_EQ(findCard(*table, 3), -1);
    EXPECT_EQ(findCard(*table, 2 * kMaxCards), kMaxCards - 1);

    // One place left: the card goes in and the rest move up.
    table->cards[kMaxCards - 1] = ControlCard{};
    EXPECT_TRUE(ensureCard(*table, 3));
    EXPECT_EQ(findCard(*table, 3), 1);
    EXPECT_EQ(table->cards[kMaxCards - 1].teamNumber, 2 * (kMaxCards - 1));
}

TEST(BoxDescription, PrefixThenText)
{
    struct Case {
        const char* text;
        int isLop, isArea;
        const char* shown;
    };
    for (const Case& c : {Case{"12", 0, 0, "12"}, Case{"3", 1, 0, "LOP 3"}, Case{"4", 0, 1, "OBS 4"},
                          Case{"", 1, 0, "LOP "}, Case{"", 0, 0, ""}, Case{"5", 1, 1, "LOP 5"}}) {
        char description[8];
        setFieldText(description, c.text);
        EXPECT_EQ(boxDescriptionText(description, c.isLop, c.isArea), c.shown) << c.text;
    }
    char unterminated[8];
    std::memset(unterminated, 'x', 8);
    EXPECT_EQ(boxDescriptionText(unterminated, 0, 0), "xxxxxxxx");
}

} // namespace
