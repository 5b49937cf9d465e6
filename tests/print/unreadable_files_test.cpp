// A stage or participants file that exists but cannot be read fails the
// classification, the export and their commands; only a missing file means
// "no results". Reading creates nothing.
#include "category_builder.h"
#include "cli_run.h"

#include "trop/print/category_export.h"
#include "trop/print/classification.h"
#include "trop/print/results_printouts.h"
#include "trop/store/messages.h"

#include <functional>
#include <sys/stat.h>

using namespace trop;
using namespace trop::testing;
namespace fs = std::filesystem;

namespace {

RunResult runCliWithErrors(const std::string& arguments) { return runCli(arguments, CliErrors::Collected); }

struct BadStage {
    const char* name;
    std::function<void(const fs::path& results)> make;
    const char* problem;
};

std::vector<BadStage> badStages()
{
    return {
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); }, "not a regular file"},
        {"folder", [](const fs::path& f) { fs::create_directory(f); }, "not a regular file"},
        {"dangling link", [](const fs::path& f) { fs::create_symlink("gone", f); }, "dangling link"},
        {"truncated", [](const fs::path& f) { fs::resize_file(f, 2 * sizeof(ControlCard) - 100); },
         "the file ends inside a record"},
    };
}

class UnreadableFiles : public CategoryFolder {
protected:
    void SetUp() override
    {
        CategoryFolder::SetUp();
        writeMembers({member(1, "A", "a"), member(2, "B", "b")});
        writeStage(1, {enteredCard(1, 10, 9000), enteredCard(2, 0, 10000)});
        writeStage(2, {enteredCard(1, 0, 10000), enteredCard(2, 5, 9500)});
    }
    fs::path stage2Results() const { return category / "E2" / kResultsFileName; }

    std::unique_ptr<MemberTable> members = std::make_unique<MemberTable>();
    std::unique_ptr<ClassificationTable> table = std::make_unique<ClassificationTable>();
};

TEST_F(UnreadableFiles, AStageThatCannotBeReadFailsTheClassificationAndItsCommands)
{
    for (const BadStage& bad : badStages()) {
        SCOPED_TRACE(bad.name);
        if (std::string(bad.name) != "truncated")
            fs::remove(stage2Results());
        bad.make(stage2Results());

        ClassificationFailure failure;
        EXPECT_EQ(classifyCategory(category, *members, *table, &failure), ClassificationResult::StageUnreadable);
        EXPECT_EQ(failure.fileText, "E2\\Results");
        EXPECT_EQ(failure.problem, bad.problem);
        EXPECT_EQ(table->rowCount, 0) << "no table that lacks a stage";

        const RunResult classify = runCliWithErrors("classify " + quotedPath(category));
        EXPECT_EQ(classify.exitCode, 1);
        EXPECT_NE(classify.output.find("cannot read \"E2/Results\": " + std::string(bad.problem)), std::string::npos)
            << classify.output;

        const fs::path exported = root / "export.csv";
        EXPECT_EQ(runCli("export " + quotedPath(category) + " " + quotedPath(exported)).exitCode, 1);
        EXPECT_FALSE(fs::exists(exported)) << "no file that looks complete without the stage";

        fs::remove_all(stage2Results());
        writeStage(2, {enteredCard(1, 0, 10000), enteredCard(2, 5, 9500)});
    }
    ASSERT_EQ(classifyCategory(category, *members, *table), ClassificationResult::Built);
    EXPECT_EQ(table->stageCount, 2);
    fs::remove(stage2Results());
    ASSERT_EQ(classifyCategory(category, *members, *table), ClassificationResult::Built);
    EXPECT_EQ(table->stageCount, 1) << "only a missing file ends the stages";
}

TEST_F(UnreadableFiles, TheExportReportsTheFileAndWritesNothing)
{
    fs::remove(category / kMembersFileName);
    ASSERT_EQ(::mkfifo((category / kMembersFileName).c_str(), 0644), 0);
    const CategoryExportOutcome outcome = exportCategory(category, root / "x.csv", "Wrzos", "TP", "now");
    EXPECT_TRUE(outcome.readFailed());
    EXPECT_EQ(outcome.failure.fileText, kMembersFileName);
    EXPECT_FALSE(fs::exists(root / "x.csv"));
}

TEST_F(UnreadableFiles, AFifoInPlaceOfTheCompetitionHeaderNeverBlocksTheExport)
{
    ASSERT_EQ(::mkfifo((root / "Wrzos" / "Name.and.date").c_str(), 0644), 0);
    const RunResult run =
        runCli("export " + quotedPath(category) + " " + quotedPath(root / "x.csv"), CliErrors::Collected);
    EXPECT_EQ(run.exitCode, 0) << "the export goes on without the full-name lines";
    EXPECT_NE(run.output.find("cannot read"), std::string::npos) << run.output;
    EXPECT_TRUE(fs::is_regular_file(root / "x.csv"));
}

TEST_F(UnreadableFiles, ResultsPrintoutsStopWithMessage7NamingTheStage)
{
    std::vector<MessageRequest> asked;
    const MessageAnswerer previous = setMessageAnswerer([&asked](const MessageRequest& request) {
        asked.push_back(request);
        return MessageAnswer::Ok;
    });
    fs::remove(stage2Results());
    fs::create_directory(stage2Results());
    CategoryResultsPrintout category(this->category, "TP");
    EXPECT_FALSE(category.loadData());
    fs::rename(this->category, this->category.parent_path() / "TD"); // TP is never in the competition results
    CompetitionResultsPrintout competition(this->category.parent_path(), "Wrzos");
    EXPECT_FALSE(competition.loadData());
    setMessageAnswerer(previous);
    ASSERT_EQ(asked.size(), 2u) << "message 7 alone, never 28 (nothing to print) besides";
    for (const MessageRequest& request : asked) {
        EXPECT_EQ(request.id, 7);
        EXPECT_EQ(request.arg1, "E2\\Results");
    }
}

TEST_F(UnreadableFiles, ClassifyingCreatesNothing)
{
    fs::remove(category / kMembersFileName);
    EXPECT_EQ(runCli("classify " + quotedPath(category)).exitCode, 0);
    EXPECT_EQ(runCli("export " + quotedPath(category) + " " + quotedPath(root / "x.csv")).exitCode, 0);
    EXPECT_FALSE(fs::exists(category / kMembersFileName));
    EXPECT_EQ(classifyCategory(category, *members, *table), ClassificationResult::NoMembers);
    EXPECT_FALSE(fs::exists(category / kMembersFileName));
}

} // namespace
