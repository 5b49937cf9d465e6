// trop-cli classify, export and demo, run as the built program.
#include "cli_run.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/print/category_export.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/file_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace trop;

namespace {

using trop::testing::quotedPath;
using trop::testing::RunResult;
using trop::testing::runCli;

std::string fileText(const fs::path& file)
{
    const FileBytes read = readFileUpTo(file, 1 << 20);
    return std::string(read.bytes.begin(), read.bytes.end());
}

// One demo store for the whole suite: creating it is the slow part.
class TropCli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root = fs::temp_directory_path() / ("trop-cli-" + std::to_string(::getpid()));
        fs::remove_all(root);
        demoRun = runCli("demo " + quotedPath(root / "Zawody"));
    }
    static void TearDownTestSuite() { fs::remove_all(root); }

    static fs::path competition() { return root / "Zawody" / "Wrzos 2026"; }

    static inline fs::path root;
    static inline RunResult demoRun;
};

TEST_F(TropCli, DemoCreatesTheCompetitionOnceAndLeavesAnExistingOneAlone)
{
    ASSERT_EQ(demoRun.exitCode, 0) << demoRun.output;
    for (const char* file : {"Name.and.date", "TP/Class.Members.Data", "TU/Class.Members.Data"})
        EXPECT_TRUE(fs::is_regular_file(competition() / file)) << file;
    for (const char* category : {"TP", "TU"})
        for (const char* stage : {"E1", "E2"})
            for (const char* file : {"Name.and.Param", "Stage.Definition", "Start.List", "Results"})
                EXPECT_TRUE(fs::is_regular_file(competition() / category / stage / file)) << category << stage << file;

    const fs::path results = competition() / "TP" / "E1" / "Results";
    const std::string before = fileText(results);
    ASSERT_TRUE(writeFileAtomically(results, std::string_view("changed by hand")));
    const RunResult again = runCli("demo " + quotedPath(root / "Zawody"));
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.output.find("already exists"), std::string::npos);
    EXPECT_EQ(fileText(results), "changed by hand");
    ASSERT_TRUE(writeFileAtomically(results, before));
}

// The stage points of the stored cards are recomputed here from their penalty
// points and the best of the stage, which is the perfect card's 0.
TEST_F(TropCli, DemoCardsShowEveryKindOfPenaltyAndCarryFinalStagePoints)
{
    auto cards = std::make_unique<ResultsTable>();
    auto route = std::make_unique<StageDefinition>();
    bool ps = false, pm = false, zo = false, zk = false, zm = false, wk = false, bp = false, late = false,
         task = false, nkl = false, absent = false;
    for (const char* category : {"TP", "TU"}) {
        for (const char* stage : {"E1", "E2"}) {
            const fs::path folder = competition() / category / stage;
            const int count = loadResults(folder, *cards);
            ASSERT_GT(count, 0) << folder;
            ASSERT_TRUE(loadStageDefinition(folder, *route));
            const std::int64_t constant = route->stageConstant != 0 ? route->stageConstant : 1000;
            absent = absent || count < (std::string(category) == "TP" ? 12 : 11);
            for (int c = 0; c < count; ++c) {
                const ControlCard& card = cards->cards[c];
                if (card.stagePoints != 0) {
                    EXPECT_EQ(card.stagePoints,
                              std::max<std::int64_t>(10, (constant - card.penaltyPoints) * 10000 / constant))
                        << folder << " team " << card.teamNumber;
                }
                bp = bp || card.missingCount > 0;
                late = late || card.timePenalty > 0;
                task = task || card.taskPenalty > 0;
                nkl = nkl || (card.notEntered == 0 && card.stagePoints == 0);
                for (const Confirmation& box : card.boxes) {
                    ps = ps || (box.empty == 0 && box.valueKind == AssociatedControl);
                    pm = pm || (box.empty == 0 && box.valueKind == WrongPoint);
                    zo = zo || box.wrongDescription != 0;
                    zk = zk || box.orderChange != 0;
                    zm = zm || box.repeated != 0;
                    wk = wk || (box.empty != 0 && box.penalty == 30);
                }
            }
        }
    }
    EXPECT_TRUE(ps && pm && zo && zk && zm && wk && bp && late && task && nkl && absent)
        << ps << pm << zo << zk << zm << wk << bp << late << task << nkl << absent;
}

TEST_F(TropCli, ClassifyPrintsOneLinePerTeamAndTheTableAsJson)
{
    const RunResult text = runCli("classify " + quotedPath(competition() / "TP"));
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.output.rfind("Miejsce  | Nr  | Zespół | PK na E1 | PP na E1 | PK na E2 | PP na E2 | PP po E2\n", 0), 0u)
        << text.output;
    EXPECT_EQ(std::count(text.output.begin(), text.output.end(), '\n'), 1 + 12);
    EXPECT_NE(text.output.find("| ABS  | 0,0 |"), std::string::npos);
    EXPECT_NE(text.output.find("| NKL  | 0,0 |"), std::string::npos);

    const RunResult json = runCli("classify --json " + quotedPath(competition() / "TU" / ""));
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.output.rfind("{\"stageCount\": 2, \"rows\": [", 0), 0u);
    std::size_t rows = 0;
    for (std::size_t at = json.output.find("\"teamNumber\""); at != std::string::npos;
         at = json.output.find("\"teamNumber\"", at + 1))
        ++rows;
    EXPECT_EQ(rows, 11u);
    EXPECT_NE(json.output.find("\"stagePlace\": 1, \"totalPlace\": 1}"), std::string::npos);
}

TEST_F(TropCli, ExportWritesTheCategoryFileWithALocalTimestamp)
{
    const fs::path file = root / "tp.csv";
    ASSERT_EQ(runCli("export " + quotedPath(competition() / "TP") + " " + quotedPath(file)).exitCode, 0);
    const std::string written = fileText(file);

    const fs::path reference = root / "reference.csv";
    const CategoryExportOutcome outcome = exportCategory(competition() / "TP", reference, "Wrzos 2026", "TP", "T");
    ASSERT_TRUE(outcome.written && outcome.headerRead);
    const std::string expected = fileText(reference);
    const std::size_t footer = expected.rfind(";Lirnik s.c.;;");
    ASSERT_NE(footer, std::string::npos);
    EXPECT_EQ(written.substr(0, footer + 14), expected.substr(0, footer + 14));
    EXPECT_GT(written.size(), footer + 15);
    EXPECT_EQ(written.back(), '\n');
    EXPECT_EQ(written.find('\r'), std::string::npos);
}

TEST_F(TropCli, BadFoldersAndFilesFailWithANonZeroExit)
{
    fs::create_directories(root / "Zawody" / "Broken" / "TK" / "Class.Members.Data");
    const struct {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"classify " + quotedPath(root / "nowhere" / "TP"), 1},
        {"classify " + quotedPath(competition()), 1},
        {"classify " + quotedPath(competition() / "TP" / "Class.Members.Data"), 1},
        {"classify " + quotedPath(root / "Zawody" / "Broken" / "TK"), 1},
        {"classify", 2},
        {"export " + quotedPath(root / "Zawody" / "Broken" / "TK") + " " + quotedPath(root / "x.csv"), 1},
        {"export " + quotedPath(competition() / "TP") + " " + quotedPath(root / "no" / "such" / "x.csv"), 1},
        {"export " + quotedPath(competition() / "TP"), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runCli(c.arguments).exitCode, c.exitCode) << c.arguments;
    EXPECT_FALSE(fs::exists(root / "x.csv"));
}

TEST_F(TropCli, PrintWritesEveryKindAsPdfAndRefusesWhatHasNothingToPrint)
{
    const fs::path folder = root / "printed";
    fs::create_directories(folder);
    const fs::path pdf = folder / "out.pdf";
    const fs::path emptyStage = competition() / "TP" / "E7";
    fs::create_directories(emptyStage);
    const struct {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"print competition " + quotedPath(competition()), 0},
        {"print category " + quotedPath(competition() / "TP") + " --paper A5", 0},
        {"print participants " + quotedPath(competition() / "TU") + " --landscape", 0},
        {"print startlist " + quotedPath(competition() / "TP" / "E1") + " --paper Letter", 0},
        {"print details " + quotedPath(competition() / "TU" / "E2") + " --paper A3", 0},
        {"print startlist " + quotedPath(emptyStage), 1}, // no start list there
        {"print details " + quotedPath(emptyStage), 1},   // no results there
        {"print startlist " + quotedPath(competition() / "TP"), 1}, // not a stage
        {"print category " + quotedPath(root / "nowhere"), 1},
        {"print category " + quotedPath(competition() / "TP") + " --paper B7", 2},
        {"print poster " + quotedPath(competition() / "TP"), 2},
    };
    for (const auto& c : cases) {
        fs::remove(pdf);
        EXPECT_EQ(runCli(c.arguments + " --pdf " + quotedPath(pdf)).exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(fileText(pdf).rfind("%PDF", 0) == 0, c.exitCode == 0) << c.arguments;
    }
    // Only the document itself is left: no temporary files, nothing in the store.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 0);
    EXPECT_TRUE(fs::is_empty(emptyStage));
    fs::remove(emptyStage);
}

} // namespace
