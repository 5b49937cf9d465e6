// trop-cli evaluate [--json] STAGE_FOLDER: re-evaluates every card of a stage
// as the start cards list does, saves "Results" and lists team, PK and PP of
// each card, or every field of every card as JSON.
#include "cli_arguments.h"

#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/scoring/evaluate_card.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <system_error>

namespace trop::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kStageDefinitionSize = sizeof(StageDefinition);
constexpr std::size_t kCardSize = sizeof(ControlCard);

std::string quoted(const char* name) { return std::string("\"") + name + "\""; }

std::string unreadable(const char* name, const std::string& problem)
{
    return "cannot read " + quoted(name) + (problem.empty() ? "" : ": " + problem);
}

// Reads the route; "" when it is whole, else why the stage cannot be
// evaluated. Each file is opened once, by the loaders that create nothing.
std::string stageDefinitionProblem(const fs::path& folder, StageDefinition& stage)
{
    const StageFileRead read = readStageDefinition(folder, stage);
    if (read.status == ReadStatus::Missing)
        return "missing " + quoted(kStageDefinitionFileName);
    if (read.status == ReadStatus::Error)
        return unreadable(kStageDefinitionFileName, read.problem);
    if (read.size != kStageDefinitionSize || read.longer)
        return "damaged " + quoted(kStageDefinitionFileName) + " (not " + std::to_string(kStageDefinitionSize) +
               " bytes)";
    return "";
}

// Reads the cards; "" when every card of the file is in the table, so that
// saving loses none of them.
std::string resultsProblem(const fs::path& folder, ResultsTable& table, int& count)
{
    const TableRead read = readResults(folder, table);
    count = read.count;
    switch (read.status) {
    case TableStatus::Missing:
        return "missing " + quoted(kResultsFileName);
    case TableStatus::Error:
        return unreadable(kResultsFileName, read.problem);
    case TableStatus::Damaged:
    case TableStatus::Ok:
        break;
    }
    if (read.status == TableStatus::Damaged || read.overCapacity)
        return "damaged " + quoted(kResultsFileName) + " (not a whole number of cards, at most " +
               std::to_string(kMaxCards) + ")";
    if (read.count != read.fileRecords)
        return "damaged " + quoted(kResultsFileName) + " (a card without a team number)";
    return "";
}

std::string jsonText(std::string_view cp1250)
{
    std::string out = "\"";
    for (const char c : cp1250ToUtf8(cp1250)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void printBoxJson(const Confirmation& b)
{
    std::printf("{\"codeIndex\": %d, \"repeatOfBox\": %d, \"orderBreakAfterBox\": %d, \"pointIndex\": %d, "
                "\"cardDescription\": %s, \"cardIsLop\": %d, \"cardIsArea\": %d, \"correctDescription\": %s, "
                "\"correctIsLop\": %d, \"correctIsArea\": %d, \"penalty\": %d, \"wrongDescription\": %d, "
                "\"orderChange\": %d, \"repeated\": %d, \"autoDescription\": %d, \"autoValue\": %d, "
                "\"empty\": %d, \"valueKind\": %d}",
                b.codeIndex, b.repeatOfBox, b.orderBreakAfterBox, b.pointIndex,
                jsonText(fieldText(b.cardDescription)).c_str(), b.cardIsLop, b.cardIsArea,
                jsonText(fieldText(b.correctDescription)).c_str(), b.correctIsLop, b.correctIsArea, b.penalty,
                b.wrongDescription, b.orderChange, b.repeated, b.autoDescription, b.autoValue, b.empty,
                b.valueKind);
}

void printCardJson(const ControlCard& c)
{
    std::printf("{\"teamNumber\": %d, \"notEntered\": %d, \"autoScore\": %d, \"extendedLimit\": %d, "
                "\"startTime\": %d, \"finishTime\": %d, \"timePenalty\": %d, \"penaltyPoints\": %d, "
                "\"stagePoints\": %d, \"taskValue\": %d, \"taskPenalty\": %d, \"missingCount\": %d, "
                "\"missingPenalty\": %d, \"missing\": [",
                c.teamNumber, c.notEntered, c.autoScore, c.extendedLimit, c.startTime, c.finishTime, c.timePenalty,
                c.penaltyPoints, c.stagePoints, c.taskValue, c.taskPenalty, c.missingCount, c.missingPenalty);
    for (int i = 0; i < kBoxCount; ++i)
        std::printf("%s%d", i == 0 ? "" : ", ", c.missing[i]);
    std::printf("],\n   \"boxes\": [");
    for (int i = 0; i < kBoxCount; ++i) {
        std::printf("%s\n    ", i == 0 ? "" : ",");
        printBoxJson(c.boxes[i]);
    }
    std::printf("]}");
}

void printJson(const ResultsTable& table, int count)
{
    std::printf("[");
    for (int i = 0; i < count; ++i) {
        std::printf("%s\n  ", i == 0 ? "" : ",");
        printCardJson(table.cards[i]);
    }
    std::printf("\n]\n");
}

void printLines(const ResultsTable& table, int count)
{
    for (int i = 0; i < count; ++i) {
        const ControlCard& card = table.cards[i];
        std::printf("%d %d %d,%d\n", card.teamNumber, card.penaltyPoints, card.stagePoints / 10,
                    std::abs(card.stagePoints % 10));
    }
}

} // namespace

int runEvaluate(const Arguments& args)
{
    const auto [json, positional] = splitJsonFlag(args);
    if (positional.size() != 1) {
        std::fprintf(stderr, "usage: trop-cli evaluate [--json] STAGE_FOLDER\n");
        return 2;
    }
    const std::string& folderArgument = positional.front();
    const fs::path folder(folderArgument);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::fprintf(stderr, "trop-cli evaluate: %s: no such stage folder\n", folderArgument.c_str());
        return 1;
    }
    auto stage = std::make_unique<StageDefinition>();
    auto table = std::make_unique<ResultsTable>();
    int count = 0;
    std::string problem = stageDefinitionProblem(folder, *stage);
    if (problem.empty())
        problem = resultsProblem(folder, *table, count);
    if (!problem.empty()) {
        std::fprintf(stderr, "trop-cli evaluate: %s: %s\n", folderArgument.c_str(), problem.c_str());
        return 1;
    }

    reevaluateAllCards(*table, *stage);
    if (!saveResults(folder, *table)) {
        std::fprintf(stderr, "trop-cli evaluate: %s: cannot write \"%s\"\n", folderArgument.c_str(), kResultsFileName);
        return 1;
    }
    if (json)
        printJson(*table, count);
    else
        printLines(*table, count);
    return 0;
}

} // namespace trop::cli
