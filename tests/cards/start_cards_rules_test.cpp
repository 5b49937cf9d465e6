// The start cards list: a card for every team, rows, re-evaluation, closing.
#include "cards_fixture.h"

#include "trop/scoring/evaluate_card.h"

namespace trop::test {
namespace {

class StartCardsTest : public CardsFixture {};

TEST_F(StartCardsTest, GivesEveryTeamACardInTeamOrderKeepingStoredOnes)
{
    // Stored cards for teams 2, 5, 9; participants 1, 2, 3, 5.
    auto file = std::make_unique<ResultsTable>();
    std::memset(file.get(), 0, sizeof(ResultsTable));
    file->cards[0] = freshCard(2);
    file->cards[1] = freshCard(5);
    file->cards[2] = freshCard(9);
    file->cards[1].notEntered = 0;
    file->cards[1].finishTime = 50;
    ASSERT_TRUE(saveResults(folder.path(), *file));

    openList();
    std::vector<int> teams;
    for (int i = 0; i < cardCount(table()); ++i)
        teams.push_back(table().cards[i].teamNumber);
    EXPECT_EQ(teams, (std::vector<int>{1, 2, 3, 5, 9}));
    EXPECT_EQ(stored(5).finishTime, 50);
    EXPECT_TRUE(list->changed());
    ASSERT_EQ(list->rows().size(), 4u);
    EXPECT_EQ(list->rows()[0].number, "1 ");
    EXPECT_EQ(list->rows()[0].surnames, "Nowak,    \xAF\xF3\xB3\xE6");
    EXPECT_EQ(list->title(), "Karty startowe :      E1");

    list->close();
    EXPECT_EQ(readFile(folder.path() / kResultsFileName).size(), 5 * sizeof(ControlCard));
}

TEST_F(StartCardsTest, AFullTableOpensNoCardWindowAndSaysWhy)
{
    for (int i = 0; i < kMaxCards; ++i)
        table().cards[i] = freshCard(100 + i);
    messages.asked.clear();
    EXPECT_EQ(card(7), nullptr);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].text.find("1000"), std::string::npos);
}

TEST_F(StartCardsTest, ARouteEditThatCostsEveryoneAlikeStillMarksTheTableChanged)
{
    // An entered card without a finish time (no stage points); the route
    // then gains a point it did not confirm: its PK grows, its PP stays 0.
    for (int team : {5}) {
        ControlCard& card = table().cards[findCard(table(), team)];
        card.notEntered = 0;
        card.boxes[0].empty = 0;
        card.boxes[0].codeIndex = 1;
        card.boxes[0].autoValue = card.boxes[0].autoDescription = 1;
        setFieldText(card.boxes[0].cardDescription, "AB");
    }
    StageDefinition& stage = *list->cards().stage;
    reevaluateStoredCards(table(), stage);
    const int stagePoints = stored(5).stagePoints;
    const int penalty = stored(5).penaltyPoints;
    RoutePoint& extra = stage.points[stage.pointCount++];
    setFieldText(extra.description1, "Z");
    extra.confirmations = 1;
    ++stage.requiredConfirmations;
    EXPECT_TRUE(reevaluateStoredCards(table(), stage));
    EXPECT_EQ(stored(5).stagePoints, stagePoints);
    EXPECT_EQ(stored(5).penaltyPoints, penalty + 60);
    EXPECT_FALSE(reevaluateStoredCards(table(), stage));
}

} // namespace
} // namespace trop::test
