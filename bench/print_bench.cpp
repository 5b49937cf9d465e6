// The classification printout of a category of 1000 one-member teams over
// nine stages, laid out and written as a PDF at 600 dpi (the target is under
// three seconds).
#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/print/results_printouts.h"
#include "trop/store/fixed_text.h"
#include "trop/ui/pdf/pdf_render.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

using namespace trop;
namespace fs = std::filesystem;

namespace {

constexpr int kTeams = 1000;

fs::path writeCategory()
{
    const fs::path category = fs::temp_directory_path() / ("trop-print-bench-" + std::to_string(::getpid())) / "TU";
    fs::create_directories(category);
    auto members = std::make_unique<MemberTable>();
    *members = MemberTable{};
    for (int t = 0; t < kTeams; ++t) {
        MemberRecord& member = members->records[t];
        member.teamNumber = t + 1;
        setFieldText(member.surname, "Wi\x9Cniewska-" + std::to_string(t));
        setFieldText(member.firstName, "Ma\xB3gorzata");
        setFieldText(member.club, "PTTK Oddzia\xB3 Ziemi Kutnowskiej");
        setFieldText(member.town, "\xA3\xF3" "d\x9F");
    }
    saveMembers(category, *members);
    auto cards = std::make_unique<ResultsTable>();
    for (int stage = 1; stage <= 9; ++stage) {
        *cards = ResultsTable{};
        for (int t = 0; t < kTeams; ++t) {
            ControlCard& card = cards->cards[t];
            card = freshCard(t + 1);
            card.notEntered = 0;
            card.penaltyPoints = (t * 7 + stage * 13) % 200;
            card.stagePoints = 10000 - card.penaltyPoints * 10;
        }
        fs::create_directories(category / ("E" + std::to_string(stage)));
        saveResults(category / ("E" + std::to_string(stage)), *cards);
    }
    return category;
}

void ClassificationPrintoutPdf(benchmark::State& state)
{
    const fs::path category = writeCategory();
    const QString pdf = QString::fromStdString((category.parent_path() / "wyniki.pdf").string());
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5));
    int pages = 0;
    for (auto _ : state) {
        CategoryResultsPrintout printout(category, "TU");
        printout.loadData();
        AbortFlag abort{false};
        pages = writePrintoutPdfAtomically(printout, a4, pdf, abort, {}).pages;
    }
    state.counters["pages"] = pages;
    fs::remove_all(category.parent_path());
}
BENCHMARK(ClassificationPrintoutPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
