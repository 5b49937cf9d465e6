// Importing a spreadsheet of 1000 members (250 teams of four) into an empty
// category: the file is decoded, checked and inserted (target: under 100 ms).
#include "trop/exchange/members_csv_import.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

std::string thousandMembers()
{
    std::string csv = "\xEF\xBB\xBFNr;Nazwisko;Imię;Rok urodzenia;Klub;Kod pocztowy;Miejscowość;Ulica;Wpisowe;Uwagi\r\n";
    for (int i = 0; i < trop::kMaxMembers; ++i)
        csv += std::to_string(i / 4 + 1) + ";Wiśniewska-Kowalczyk;Małgorzata;" + std::to_string(1960 + i % 50) +
               ";PTTK Oddział Ziemi Mazowieckiej;00-950;Żyrardów;ul. Świętokrzyska 12 m. 4;40 zł;"
               "\"nocleg w schronisku; dieta \"\"bez glutenu\"\"\"\r\n";
    return csv;
}

void importThousandMembers(benchmark::State& state)
{
    const std::string csv = thousandMembers();
    auto empty = std::make_unique<trop::MemberTable>();
    auto table = std::make_unique<trop::MemberTable>();
    for (auto _ : state) {
        const trop::ImportPlan plan = trop::planMemberImport(csv, *empty, 0, "TP", 2026);
        *table = trop::MemberTable{};
        if (!trop::applyMemberImport(plan, *table))
            state.SkipWithError("the import was refused");
        benchmark::DoNotOptimize(table->records);
    }
}
BENCHMARK(importThousandMembers)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
