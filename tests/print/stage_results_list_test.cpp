#include "category_builder.h"

#include "trop/print/stage_results_list.h"

using namespace trop;
using namespace trop::testing;

namespace {

std::unique_ptr<ResultsTable> cardTable(const std::vector<ControlCard>& cards)
{
    auto table = std::make_unique<ResultsTable>();
    *table = ResultsTable{};
    for (std::size_t i = 0; i < cards.size(); ++i)
        table->cards[i] = cards[i];
    return table;
}

TEST(StageResultsList, RanksEnteredCardsByPointsThenPenaltiesAndKeepsUnenteredLast)
{
    const auto cards = cardTable({freshCard(1), enteredCard(2, 50, 9000), enteredCard(3, 40, 9000),
                                  freshCard(4), enteredCard(5, 0, 10000), enteredCard(6, 0, 0)});
    EXPECT_EQ(stageResultsOrder(*cards, 6), (std::vector<int>{4, 2, 1, 5, 0, 3}));
    EXPECT_TRUE(stageResultsOrder(*cards, 0).empty());
    // a count larger than the table is bounded, not trusted
    EXPECT_EQ(stageResultsOrder(*cards, 5000).size(), static_cast<std::size_t>(kMaxCards));
}

TEST(StageResultsList, RowsShowPlacesPenaltiesAndPoints)
{
    const auto members = memberTable({member(1, "Adamski", "Jan"), member(2, "Bury", "Ola"), member(2, "Cis", "Ala"),
                                      member(3, "Dyl", "Tom"), member(4, "Ek", "Iza"), member(5, "Fik", "Ewa")});
    const auto cards = cardTable({enteredCard(1, 40, 9500), enteredCard(2, 40, 9500), enteredCard(3, 45, 9500),
                                  freshCard(4), enteredCard(5, 0, 0), enteredCard(6, 12, 10000)});
    const ResultsGrid grid = stageResultsGrid(*cards, 6, *members);

    std::vector<std::string> titles;
    for (const ResultsColumn& column : grid.columns)
        titles.push_back(column.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Miejsce ", "Nr ", "Zesp\xF3\xB3", "PK ", "PP "}));
    EXPECT_EQ(grid.columns[1].widthInDialogUnits, 40);

    const std::vector<std::vector<std::string>> expected = {
        {"1", "6 ", "", "-12", "1000,0"},
        {"2", "2 ", "Bury Ola,     Cis Ala", "-40", "950,0"},
        {"2", "1 ", "Adamski Jan", "-40", "950,0"},
        {"4", "3 ", "Dyl Tom", "-45", "950,0"},
        {"", "5 ", "Fik Ewa", "", "0,0"},
        {"", "4 ", "Ek Iza", "", ""},
    };
    EXPECT_EQ(grid.rows, expected);
}

} // namespace
