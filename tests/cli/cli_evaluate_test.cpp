#include "trop/model/control_card.h"
#include "trop/model/results.h"
#include "trop/model/stage_definition.h"
#include "trop/store/cp1250.h"
#include "trop/store/file_io.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace trop;

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliEvaluate : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("trop-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        stageFolder = root / "E1";
        fs::create_directories(stageFolder);
    }
    void TearDown() override { fs::remove_all(root); }

    CliRun run(const std::string& arguments)
    {
        const fs::path out = root / "stdout", err = root / "stderr";
        const std::string command =
            std::string(TROP_CLI_PATH) + " evaluate " + arguments + " >" + out.string() + " 2>" + err.string();
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readAll(out), readAll(err)};
    }

    // One point "A" with control 1, stage constant 100.
    void writeStage()
    {
        auto stage = std::make_unique<StageDefinition>();
        std::memset(stage.get(), 0, sizeof(StageDefinition));
        stage->codeCount = 2;
        setFieldText(stage->codeTable[0].code, "bpk");
        setFieldText(stage->codeTable[1].code, "1");
        stage->pointCount = 1;
        setFieldText(stage->points[0].description1, "A");
        stage->points[0].confirmations = 1;
        stage->points[0].controlCount = 1;
        stage->points[0].controls[0].codeIndex = 1;
        stage->requiredConfirmations = 1;
        stage->timeLimit = 100;
        stage->lateLimit = 30;
        stage->stageConstant = 100;
        ASSERT_TRUE(writeFileAtomically(stageFolder / "Stage.Definition", stage.get(), sizeof(StageDefinition)));
    }

    static ControlCard card(int team, const std::string& description)
    {
        ControlCard c = freshCard(team);
        c.notEntered = 0;
        c.finishTime = 60;
        c.boxes[0].empty = 0;
        c.boxes[0].codeIndex = 1;
        c.boxes[0].autoDescription = 1;
        c.boxes[0].autoValue = 1;
        setFieldText(c.boxes[0].cardDescription, description);
        return c;
    }

    void writeResults(const std::vector<ControlCard>& cards)
    {
        ASSERT_TRUE(writeFileAtomically(stageFolder / "Results", cards.data(), cards.size() * sizeof(ControlCard)));
    }

    std::vector<ControlCard> readResults()
    {
        const std::string bytes = readAll(stageFolder / "Results");
        std::vector<ControlCard> cards(bytes.size() / sizeof(ControlCard));
        std::memcpy(cards.data(), bytes.data(), cards.size() * sizeof(ControlCard));
        return cards;
    }

    fs::path root;
    fs::path stageFolder;
};

TEST_F(CliEvaluate, EvaluatesSavesAndListsEveryCard)
{
    writeStage();
    writeResults({card(3, "A"), card(7, "Q")}); // team 7: ZO, 10 behind
    const CliRun result = run(stageFolder.string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "3 0 1000,0\n7 10 900,0\n");
    const std::vector<ControlCard> saved = readResults();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].penaltyPoints, 10);
    EXPECT_EQ(saved[1].stagePoints, 9000);
    EXPECT_EQ(saved[1].boxes[0].wrongDescription, 1);
    EXPECT_EQ(fieldText(saved[0].boxes[0].correctDescription), "A");
}

TEST_F(CliEvaluate, JsonNamesEveryFieldAndConvertsTexts)
{
    writeStage();
    ControlCard c = card(4, "\xb9\"\\"); // "ą", a quote and a backslash in code page 1250
    writeResults({c});
    const CliRun result = run("--json " + stageFolder.string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* field : {"\"teamNumber\": 4", "\"notEntered\": 0", "\"missingCount\": 0",
                              "\"missingPenalty\": 0", "\"penaltyPoints\": 10", "\"wrongDescription\": 1",
                              "\"missing\": [0", "\"boxes\": [", "\"codeIndex\": 1",
                              "\"orderBreakAfterBox\"", "\"correctDescription\": \"A\"", "\"valueKind\": 0",
                              "\"autoValue\": 1", "\"empty\": 1"})
        EXPECT_NE(result.out.find(field), std::string::npos) << field;
    EXPECT_NE(result.out.find("\"cardDescription\": \"\xc4\x85\\\"\\\\\""), std::string::npos) << result.out;
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '{'), 1 + kBoxCount);
}

struct BrokenFolder {
    const char* name;
    bool writeStage;
    std::size_t stageSize;
    bool writeResults;
    std::size_t resultsSize;
    const char* message;
};

// Readable cases in the test log instead of a byte dump.
void PrintTo(const BrokenFolder& broken, std::ostream* out) { *out << broken.name; }

class CliEvaluateRefuses : public CliEvaluate, public ::testing::WithParamInterface<BrokenFolder> {};

TEST_P(CliEvaluateRefuses, AndWritesNothing)
{
    const BrokenFolder& broken = GetParam();
    if (broken.writeStage) {
        writeStage();
        fs::resize_file(stageFolder / "Stage.Definition", broken.stageSize);
    }
    if (broken.writeResults) {
        writeResults({card(1, "A"), card(0, "A"), card(2, "A")});
        fs::resize_file(stageFolder / "Results", broken.resultsSize);
    }
    const auto before = fs::directory_iterator(stageFolder);
    std::vector<std::pair<std::string, std::string>> filesBefore;
    for (const auto& entry : before)
        filesBefore.emplace_back(entry.path().filename().string(), readAll(entry.path()));

    const CliRun result = run(stageFolder.string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(broken.message), std::string::npos) << result.err;

    std::vector<std::pair<std::string, std::string>> filesAfter;
    for (const auto& entry : fs::directory_iterator(stageFolder))
        filesAfter.emplace_back(entry.path().filename().string(), readAll(entry.path()));
    std::sort(filesBefore.begin(), filesBefore.end());
    std::sort(filesAfter.begin(), filesAfter.end());
    EXPECT_EQ(filesAfter, filesBefore);
}

constexpr std::size_t kCard = sizeof(ControlCard);
constexpr std::size_t kStage = sizeof(StageDefinition);

INSTANTIATE_TEST_SUITE_P(
    Cases, CliEvaluateRefuses,
    ::testing::Values(BrokenFolder{"NoStageDefinition", false, 0, true, kCard, "missing \"Stage.Definition\""},
                      BrokenFolder{"NoResults", true, kStage, false, 0, "missing \"Results\""},
                      BrokenFolder{"ShortStageDefinition", true, kStage - 4, true, kCard, "damaged \"Stage.Definition\""},
                      BrokenFolder{"LongStageDefinition", true, kStage + 1, true, kCard, "damaged \"Stage.Definition\""},
                      BrokenFolder{"PartialCard", true, kStage, true, kCard + 100, "damaged \"Results\""},
                      BrokenFolder{"CardWithoutTeam", true, kStage, true, 3 * kCard, "damaged \"Results\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliEvaluate, MissingFolderAndBadUsage)
{
    CliRun result = run((root / "nowhere").string());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no such stage folder"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "nowhere"));

    result = run("");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("usage"), std::string::npos);
}

TEST_F(CliEvaluate, EmptyResultsStayEmpty)
{
    writeStage();
    writeResults({});
    const CliRun result = run(stageFolder.string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(fs::file_size(stageFolder / "Results"), 0u);
}

} // namespace
