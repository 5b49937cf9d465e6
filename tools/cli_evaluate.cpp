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

constexpr std::uintmax_t kStageDefinitionSize = sizeof(StageDefinition);
constexpr std::uintmax_t kCardSize = sizeof(ControlCard);

// Why the stage folder cannot be evaluated, or "" when it can. The loaders
// create missing files, so existence and sizes are checked before them.
std::string stageFolderProblem(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return "no such stage folder";
    const fs::path definition = folder / kStageDefinitionFileName;
    if (!fs::is_regular_file(definition, error))
        return std::string("missing \"") + kStageDefinitionFileName + "\"";
    if (fs::file_size(definition, error) != kStageDefinitionSize || error)
        return std::string("damaged \"") + kStageDefinitionFileName + "\" (not " +
               std::to_string(kStageDefinitionSize) + " bytes)";
    const fs::path results = folder / kResultsFileName;
    if (!fs::is_regular_file(results, error))
        return std::string("missing \"") + kResultsFileName + "\"";
    const std::uintmax_t size = fs::file_size(results, error);
    if (error || size % kCardSize != 0 || size / kCardSize > kMaxCards)
        return std::string("damaged \"") + kResultsFileName + "\" (not a whole number of cards, at most " +
               std::to_string(kMaxCards) + ")";
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
    if (const std::string problem = stageFolderProblem(folder); !problem.empty()) {
        std::fprintf(stderr, "trop-cli evaluate: %s: %s\n", folderArgument.c_str(), problem.c_str());
        return 1;
    }

    auto stage = std::make_unique<StageDefinition>();
    auto table = std::make_unique<ResultsTable>();
    if (!loadStageDefinition(folder, *stage)) {
        std::fprintf(stderr, "trop-cli evaluate: %s: cannot read \"%s\"\n", folderArgument.c_str(),
                     kStageDefinitionFileName);
        return 1;
    }
    const int count = loadResults(folder, *table);
    if (count < 0) {
        std::fprintf(stderr, "trop-cli evaluate: %s: cannot read \"%s\"\n", folderArgument.c_str(), kResultsFileName);
        return 1;
    }
    std::error_code error;
    if (std::uintmax_t(count) * kCardSize != fs::file_size(folder / kResultsFileName, error)) {
        // Saving would drop every card after the first one without a team.
        std::fprintf(stderr, "trop-cli evaluate: %s: damaged \"%s\" (a card without a team number)\n",
                     folderArgument.c_str(), kResultsFileName);
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
