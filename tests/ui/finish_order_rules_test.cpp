// The finish order view's rules: order, rows, box columns, and that looking
// changes nothing on disk.
#include "navigation_fakes.h"
#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/ui/startlist/finish_order_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace trop::test {
namespace {

template <typename Record>
std::string bytesOf(const Record& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

ControlCard enteredCard(int team, int finishTime)
{
    ControlCard card = freshCard(team);
    card.notEntered = 0;
    card.finishTime = finishTime;
    return card;
}

class FinishOrderRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        applyStageDefaults(*stage);
        addCode(*stage, 0x0000FF, "A");
        addCode(*stage, 0xFF0000, "B");
        for (const auto& [team, surname] : {std::pair{1, "Nowak"}, {1, "Lis"}, {2, "Wrobel"}}) {
            MemberRecord record{};
            record.teamNumber = team;
            std::strcpy(record.surname, surname);
            insertMember(*members, record);
        }
    }

    void writeStage() const { store.writeFile("Stage.Definition", bytesOf(*stage)); }

    FinishOrderRules openWith(const std::vector<ControlCard>& cards) const
    {
        std::string bytes;
        for (const ControlCard& card : cards)
            bytes += bytesOf(card);
        store.writeFile("Results", bytes);
        writeStage();
        return FinishOrderRules::open(store.path(), members.get());
    }

    TempFolder store;
    MessageRecorder messages;
    std::unique_ptr<StageDefinition> stage = std::make_unique<StageDefinition>();
    std::unique_ptr<MemberTable> members = std::make_unique<MemberTable>();
};

TEST_F(FinishOrderRulesTest, EnteredCardsByFinishTime)
{
    const FinishOrderRules rules = openWith({enteredCard(1, 130), freshCard(3), enteredCard(2, 95)});
    ASSERT_FALSE(rules.closesAtOnce());
    ASSERT_EQ(rules.rows().size(), 2u);
    const FinishOrderRow& first = rules.rows()[0];
    EXPECT_EQ(first.finish, "95 ");
    EXPECT_EQ(first.team, "2 ");
    EXPECT_EQ(first.surnames, "Wrobel");
    EXPECT_EQ(first.cardIndex, 2);
    EXPECT_EQ(rules.rows()[1].finish, "130 ");
    EXPECT_EQ(rules.rows()[1].surnames, "Nowak, Lis");
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FinishOrderRulesTest, OrderOfTheExchangeSort)
{
    auto cards = std::make_unique<ResultsTable>();
    const ControlCard table[] = {freshCard(1), enteredCard(2, 50), enteredCard(3, 20), freshCard(4),
                                 enteredCard(5, 20)};
    std::copy(std::begin(table), std::end(table), cards->cards);
    const std::vector<int> order = finishOrder(*cards, 5);
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 3), (std::vector<int>{2, 4, 1}));
}

TEST_F(FinishOrderRulesTest, BoxColumnsKeepTheirPlaces)
{
    ControlCard card = enteredCard(1, 60);
    const struct {
        int box;
        int codeIndex;
    } filled[] = {{0, 1}, {1, 2}, {3, 1}, {4, 77}, {5, -3}, {19, 2}, {20, 1}};
    for (const auto& f : filled) {
        card.boxes[f.box].empty = 0;
        card.boxes[f.box].codeIndex = f.codeIndex;
    }
    const FinishOrderRules rules = openWith({card});
    ASSERT_EQ(rules.rows().size(), 1u);
    const auto& boxes = rules.rows()[0].boxes;
    EXPECT_EQ(boxes[0].code, "A");
    EXPECT_EQ(boxes[0].colour, 0x0000FFu);
    EXPECT_EQ(boxes[1].code, "B");
    EXPECT_FALSE(boxes[2].shown); // box 3 empty
    EXPECT_TRUE(boxes[3].shown);  // box 4 stays in column 4
    EXPECT_EQ(boxes[3].code, "A");
    EXPECT_FALSE(boxes[4].shown); // code index past the code table
    EXPECT_FALSE(boxes[5].shown); // negative code index
    EXPECT_EQ(boxes[19].code, "B");
}

TEST_F(FinishOrderRulesTest, LookingCreatesNothing)
{
    const FinishOrderRules rules = FinishOrderRules::open(store.path(), members.get());
    EXPECT_TRUE(rules.closesAtOnce());
    EXPECT_EQ(messages.ids(), std::vector<int>{7});
    EXPECT_EQ(messages.asked[0].arg1, "Stage.Definition");
    EXPECT_TRUE(std::filesystem::is_empty(store.path()));

    messages.asked.clear();
    writeStage();
    const FinishOrderRules empty = FinishOrderRules::open(store.path(), members.get());
    EXPECT_FALSE(empty.closesAtOnce());
    EXPECT_TRUE(empty.rows().empty());
    EXPECT_FALSE(std::filesystem::exists(store.path() / "Results"));
    EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FinishOrderRulesTest, DamagedStageDefinitionOrUnreadableResultsClose)
{
    const struct {
        const char* name;
        std::function<void(const TempFolder&)> damage;
    } cases[] = {
        {"Stage.Definition", [](const TempFolder& s) { s.writeFile("Stage.Definition", std::string(100, '\0')); }},
        {"Results", [](const TempFolder& s) { std::filesystem::remove(s.path() / "Results"); s.makeFolder("Results"); }},
    };
    for (const auto& c : cases) {
        messages.asked.clear();
        openWith({enteredCard(1, 60)});
        c.damage(store);
        const FinishOrderRules rules = FinishOrderRules::open(store.path(), members.get());
        EXPECT_TRUE(rules.closesAtOnce()) << c.name;
        ASSERT_EQ(messages.ids(), std::vector<int>{7}) << c.name;
        EXPECT_EQ(messages.asked[0].arg1, c.name);
    }
}

} // namespace
} // namespace trop::test
