// The participants list, the start list and the stage result details:
// layouts in device pixels, and what each reads from the store.
#include "print_test_support.h"

#include "category_builder.h"
#include "trop/model/stage_file.h"
#include "trop/print/details_lines.h"
#include "trop/print/page_frame.h"
#include "trop/print/participants_printout.h"
#include "trop/print/results_printouts.h"
#include "trop/print/stage_printouts.h"
#include "trop/store/file_io.h"
#include "trop/store/header_files.h"
#include "trop/store/messages.h"

#include <gtest/gtest.h>

using namespace trop;
using namespace trop::testing;

namespace {

std::unique_ptr<MemberTable> teams(const std::vector<int>& sizes)
{
    std::vector<MemberRecord> records;
    for (std::size_t t = 0; t < sizes.size(); ++t)
        for (int m = 0; m < sizes[t]; ++m)
            records.push_back(member(static_cast<int>(t) + 1, ("S" + std::to_string(t + 1)).c_str(),
                                     ("F" + std::to_string(m)).c_str(), "Klub", "Miasto"));
    return memberTable(records);
}

PrintLayout layOut(const Printout& printout, const DeviceMetrics& metrics, bool abortNow = false)
{
    FakeMeasurer measurer;
    AbortFlag abort{abortNow};
    return printout.layOut(request(metrics, measurer, abort));
}

TEST(ParticipantsPrintout, WideLayoutOnlyOnLandscapePagesWideEnough)
{
    struct Case {
        int widthMm, heightMm;
        bool wide;
    };
    for (const Case& c : {Case{287, 200, true}, Case{200, 136, false}, Case{200, 287, false}}) {
        ParticipantsPrintout printout("/nowhere/Zawody/Wrzos/TP", "Wrzos", "TP");
        printout.setMembers(teams({2, 1}));
        const PrintLayout layout = layOut(printout, device(c.widthMm, c.heightMm));
        ASSERT_EQ(layout.pages.size(), 1u);
        EXPECT_EQ(hasText(layout.pages[0], "Klub"), c.wide) << c.widthMm;
        EXPECT_EQ(hasText(layout.pages[0], "\x8Crodowisko"), !c.wide) << c.widthMm;
    }
}

TEST(ParticipantsPrintout, WideTeamOfFiveNeedsFortyUnitsFree)
{
    const DeviceMetrics metrics = device(287, 200);
    const PageFrame f = fixedFrame(metrics);
    const int u = f.unit;
    // Single-member teams fill the page until fewer than 40 units remain.
    const int firstTop = f.top + 8 * u + 5 * u;
    const int singles = (f.bodyBottom - firstTop - 40 * u) / (4 * u) + 1;
    std::vector<int> sizes(static_cast<std::size_t>(singles), 1);
    sizes.push_back(5);
    ParticipantsPrintout printout("/nowhere/Zawody/Wrzos/TP", "Wrzos", "TP");
    printout.setMembers(teams(sizes));
    const PrintLayout layout = layOut(printout, metrics);
    ASSERT_EQ(layout.pages.size(), 2u);
    const std::string last = "S" + std::to_string(singles + 1) + "  F0";
    EXPECT_FALSE(hasText(layout.pages[0], last));
    const TextOp* op = findText(layout.pages[1], last);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->cell.top, firstTop);
    EXPECT_TRUE(hasText(layout.pages[1], "Wrzos      Kategoria  TP")); // the wide title is on every page
}

StagePrintContext stageContext(const MemberTable* members, const std::filesystem::path& folder = "/nowhere/E1")
{
    return {folder, "E1", "TP", "TP", members};
}

TEST(StartListPrintout, RowsPerPageAndTheRowsThatFollow)
{
    const DeviceMetrics metrics = device(200, 287);
    const PageFrame f = fixedFrame(metrics);
    const int u = f.unit;
    auto members = teams(std::vector<int>(100, 1));
    auto list = std::make_unique<StartList>();
    *list = StartList{};
    for (int i = 0; i < 100; ++i)
        list->entries[i] = {i * 2, i == 5 ? kEmptyStartPosition : i + 1};
    StartListPrintout printout(stageContext(members.get()));
    printout.setStartList(std::move(list));
    const PrintLayout layout = layOut(printout, metrics);

    const int firstPageRows = (f.bodyBottom - (f.top + 21 * u + 9 * u)) / (6 * u + 2);
    const int laterRows = (f.bodyBottom - (f.top + 9 * u)) / (6 * u + 2);
    ASSERT_EQ(static_cast<int>(layout.pages.size()), 1 + (100 - firstPageRows + laterRows - 1) / laterRows);
    const std::string lastOnFirst = std::to_string((firstPageRows - 1) * 2);
    const std::string firstOnSecond = std::to_string(firstPageRows * 2);
    EXPECT_TRUE(hasText(layout.pages[0], lastOnFirst));
    EXPECT_FALSE(hasText(layout.pages[0], firstOnSecond));
    const TextOp* op = findText(layout.pages[1], firstOnSecond);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->cell.top, f.top + 9 * u + 2);
    EXPECT_FALSE(hasText(layout.pages[1], "E1     Kategoria  TP"));
    // The empty position shows only its time.
    const TextOp* empty = findText(layout.pages[0], "10");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(std::count_if(layout.pages[0].texts.begin(), layout.pages[0].texts.end(),
                            [&](const TextOp& op) { return op.cell.top == empty->cell.top; }),
              1);
}

TEST(StartListPrintout, TeamNamesThatDoNotFitEndWithAnEllipsis)
{
    std::vector<MemberRecord> records;
    for (int m = 0; m < 10; ++m)
        records.push_back(member(1, "Konstantynopolitanczykiewicz", "Bartlomiej"));
    auto members = memberTable(records);
    auto list = std::make_unique<StartList>();
    *list = StartList{};
    list->entries[0] = {0, 1};
    StartListPrintout printout(stageContext(members.get()));
    printout.setStartList(std::move(list));
    const PrintLayout layout = layOut(printout, device(200, 287));
    ASSERT_EQ(layout.pages.size(), 1u);
    const auto names = std::find_if(layout.pages[0].texts.begin(), layout.pages[0].texts.end(),
                                    [](const TextOp& op) { return op.text.rfind("Konstantynopolitanczykiewicz", 0) == 0; });
    ASSERT_NE(names, layout.pages[0].texts.end());
    EXPECT_EQ(names->text.back(), '\x85');
    FakeMeasurer measurer;
    EXPECT_LE(measurer.textWidth(names->text, names->font), names->cell.width());
}

// Cards of teams 1..n with the given stage points, entered, no penalties.
std::unique_ptr<ResultsTable> cards(const std::vector<int>& stagePoints)
{
    auto table = std::make_unique<ResultsTable>();
    *table = ResultsTable{};
    for (std::size_t i = 0; i < stagePoints.size(); ++i)
        table->cards[i] = enteredCard(static_cast<int>(i) + 1, 0, stagePoints[i]);
    return table;
}

std::unique_ptr<StageDefinition> emptyStage()
{
    auto stage = std::make_unique<StageDefinition>();
    *stage = StageDefinition{};
    return stage;
}

TEST(DetailsPrintout, LegendOnlyWhenTheLastPageHasRoomForIt)
{
    const DeviceMetrics metrics = device(200, 287);
    const PageFrame f = fixedFrame(metrics);
    const int u = f.unit;
    // A card with two members and no penalties: TS row and Suma row, 11 units
    // and the closing rule.
    const int block = 5 * u + 6 * u + f.ruleOffset() + 1;
    const int top = f.top + 21 * u + 1;
    const int roomy = ((f.bodyBottom - top) - 54 * u) / block;
    const int full = (f.bodyBottom - top) / block;
    for (int count : {roomy, full}) {
        auto members = teams(std::vector<int>(static_cast<std::size_t>(count), 2));
        StageDetailsPrintout printout(stageContext(members.get()));
        printout.setStage(emptyStage(), cards(std::vector<int>(static_cast<std::size_t>(count), 9000)));
        const PrintLayout layout = layOut(printout, metrics);
        ASSERT_EQ(layout.pages.size(), 1u) << count;
        EXPECT_EQ(hasText(layout.pages[0], "czas startu"), count == roomy) << count;
    }
}

TEST(DetailsPrintout, CardsInRankOrderWithoutThoseNotEntered)
{
    auto members = teams({1, 1, 1, 1});
    auto table = cards({5000, 10000, 0, 7000});
    table->cards[3].notEntered = 1;
    StageDetailsPrintout printout(stageContext(members.get()));
    printout.setStage(emptyStage(), std::move(table));
    const PrintLayout layout = layOut(printout, device(200, 287));
    ASSERT_EQ(layout.pages.size(), 1u);
    std::vector<int> tops;
    for (const char* name : {"S2 F0", "S1 F0", "S3 F0"})
        tops.push_back(findText(layout.pages[0], name)->cell.top);
    EXPECT_TRUE(std::is_sorted(tops.begin(), tops.end()));
    EXPECT_FALSE(hasText(layout.pages[0], "S4 F0"));
    EXPECT_TRUE(hasText(layout.pages[0], "NKL"));
}

TEST(DetailsPrintout, CategoriesWithoutPointsKeepTheTableOrderAndShowNoPoints)
{
    auto members = teams({1, 1});
    StageDetailsPrintout printout({"/nowhere/E1", "E1", "SZ", "SZ", members.get()});
    auto table = cards({5000, 10000});
    table->cards[0].boxes[3].penalty = 30; // an empty box that costs
    printout.setStage(emptyStage(), std::move(table));
    const PrintLayout layout = layOut(printout, device(200, 287));
    ASSERT_EQ(layout.pages.size(), 1u);
    const PrintPage& page = layout.pages[0];
    EXPECT_LT(findText(page, "S1 F0")->cell.top, findText(page, "S2 F0")->cell.top);
    EXPECT_TRUE(hasText(page, "WK :"));
    for (const char* text : {"TS :", "Suma   ", "NKL", "0", "-30"})
        EXPECT_FALSE(hasText(page, text)) << text;
}

TEST(DetailsLines, ItemsAndPenaltiesOfEachKind)
{
    auto stage = emptyStage();
    stage->codeCount = 3;
    setFieldText(stage->codeTable[1].code, "31");
    setFieldText(stage->codeTable[2].code, "AK");
    stage->pointCount = 3;
    setFieldText(stage->points[0].description1, "AB");
    stage->points[1].controlCount = 1; // no description: named by its control
    stage->points[1].controls[0].codeIndex = 1;
    stage->points[1].markedOnMap = 1;
    setFieldText(stage->points[2].description1, "7");
    stage->points[2].isLop = 1;

    ControlCard card = enteredCard(1, 0, 9000);
    card.missingCount = 3;
    card.missing[0] = 0;
    card.missing[1] = 1;
    card.missing[2] = 99; // damaged: names nothing
    card.missingPenalty = 180;
    for (int b : {0, 1}) {
        card.boxes[b].empty = 0;
        card.boxes[b].valueKind = AssociatedControl;
        card.boxes[b].codeIndex = 2;
        card.boxes[b].pointIndex = b + 1;
    }
    card.boxes[1].repeated = 1;
    card.boxes[1].repeatOfBox = 0;
    card.boxes[5].penalty = 30; // an empty box that costs

    const std::vector<PenaltyLine> lines = penaltyLines(card, *stage);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_STREQ(lines[0].label, "BP :");
    EXPECT_EQ(lines[0].items, (std::vector<std::string>{"AB", "k.31"}));
    EXPECT_EQ(lines[0].points, 180);
    EXPECT_STREQ(lines[1].label, "WK :");
    EXPECT_EQ(lines[1].items, std::vector<std::string>{"1"});
    EXPECT_EQ(lines[1].points, 30);
    EXPECT_STREQ(lines[2].label, "PS :");
    EXPECT_EQ(lines[2].items, (std::vector<std::string>{"k.31 (AK)", "LOP 7 (AK)"}));
    EXPECT_EQ(lines[2].points, 40); // 25 for the point marked on the map, 15 for the other
    EXPECT_STREQ(lines[3].label, "ZM :");
    EXPECT_EQ(lines[3].items, std::vector<std::string>{"LOP 7 (AK -\xBB AK)"});
}

TEST(Printouts, AbortFlagIsSeenBeforeAnyPage)
{
    auto members = teams({1, 1});
    ParticipantsPrintout participants("/nowhere/W/TP", "W", "TP");
    participants.setMembers(teams({1, 1}));
    StageDetailsPrintout details(stageContext(members.get()));
    details.setStage(emptyStage(), cards({100, 200}));
    for (const Printout* printout : std::initializer_list<const Printout*>{&participants, &details}) {
        const PrintLayout layout = layOut(*printout, device(200, 287), true);
        EXPECT_TRUE(layout.aborted);
        EXPECT_TRUE(layout.pages.empty());
    }
}

// Printouts read a category whose files are missing: each says there is
// nothing to print and creates no file.
class PrintoutsReadOnly : public CategoryFolder {
protected:
    std::vector<int> asked;
    MessageAnswerer previous;
    void SetUp() override
    {
        CategoryFolder::SetUp();
        std::filesystem::create_directories(category / "E1");
        previous = setMessageAnswerer([this](const MessageRequest& request) {
            asked.push_back(request.id);
            return MessageAnswer::Ok;
        });
    }
    void TearDown() override
    {
        setMessageAnswerer(previous);
        CategoryFolder::TearDown();
    }
    int fileCount() const
    {
        int count = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            count += entry.is_regular_file();
        return count;
    }
};

TEST_F(PrintoutsReadOnly, NothingToPrintShowsItsMessageAndCreatesNothing)
{
    auto members = teams({1});
    const StagePrintContext stage{category / "E1", "E1", "TP", "TP", members.get()};
    ParticipantsPrintout participants(category, "Wrzos", "TP");
    CategoryResultsPrintout results(category, "TP");
    CompetitionResultsPrintout competition(category.parent_path(), "Wrzos");
    StartListPrintout startList(stage);
    StageDetailsPrintout details(stage);
    ASSERT_TRUE(details.prepare()); // a missing definition reads as defaults
    struct Case {
        Printout* printout;
        int message;
    };
    for (const Case& c : {Case{&participants, 29}, Case{&results, 28}, Case{&competition, 28},
                          Case{&startList, 27}, Case{&details, 28}}) {
        asked.clear();
        EXPECT_FALSE(c.printout->loadData());
        EXPECT_EQ(asked, std::vector<int>{c.message});
    }
    EXPECT_EQ(fileCount(), 0);

    asked.clear();
    CompetitionResultsPrintout missing(root / "Gone", "Gone");
    EXPECT_FALSE(missing.prepare());
    EXPECT_EQ(asked, std::vector<int>{8});
}

TEST_F(PrintoutsReadOnly, DamagedFilesAreRefused)
{
    writeMembers({member(1, "A", "B")});
    std::filesystem::resize_file(category / kMembersFileName, sizeof(MemberRecord) - 1);
    ParticipantsPrintout participants(category, "Wrzos", "TP");
    EXPECT_FALSE(participants.loadData());
    EXPECT_EQ(asked, (std::vector<int>{7, 29}));

    ASSERT_TRUE(writeFileAtomically(category / "E1" / kStageDefinitionFileName, std::string(100, '\0')));
    StageDetailsPrintout details({category / "E1", "E1", "TP", "TP", nullptr});
    EXPECT_FALSE(details.prepare());
}

TEST_F(PrintoutsReadOnly, CompetitionListsCategoriesByNumberThenCustomNames)
{
    const std::filesystem::path competition = category.parent_path();
    for (const char* folder : {"X.Beta", "TJ", "RK", "X.Alfa", "TD", "Inne"}) {
        const std::filesystem::path path = competition / folder;
        std::filesystem::create_directories(path / "E1");
        ASSERT_TRUE(saveMembers(path, *memberTable({member(1, "A", "B")})));
        auto results = std::make_unique<ResultsTable>();
        *results = ResultsTable{};
        results->cards[0] = enteredCard(1, 0, 10000);
        ASSERT_TRUE(saveResults(path / "E1", *results));
    }
    writeMembers({member(1, "A", "B")}); // TP, never part of the competition results
    writeStage(1, {enteredCard(1, 0, 10000)});
    CompetitionResultsPrintout printout(competition, "Wrzos");
    ASSERT_TRUE(printout.loadData());
    const PrintLayout layout = layOut(printout, device(200, 287));
    std::vector<std::string> titles;
    const PageFrame frame = resultsFrame(device(200, 287), 1);
    for (const PrintPage& page : layout.pages) {
        for (const TextOp& op : page.texts)
            if (op.text.rfind("Kategoria  ", 0) == 0)
                titles.push_back(op.text.substr(11));
        // Every category's rectangle comes afresh from the device.
        EXPECT_EQ(findText(page, "Lirnik s.c.")->cell.left, frame.left + 2 * frame.unit);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"TD", "TJ", "Alfa", "Beta"}));
}

} // namespace
