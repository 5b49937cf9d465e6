// The participants list after an edit with a full table: the rows are built
// anew from 1000 members (target: well under 5 ms), and their texts read.
#include "trop/store/fixed_text.h"
#include "trop/ui/participants/participant_rows.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<trop::MemberTable> fullTable()
{
    auto table = std::make_unique<trop::MemberTable>();
    for (int slot = 0; slot < trop::kMaxMembers; ++slot) {
        trop::MemberRecord& member = table->records[slot];
        member.teamNumber = slot / 4 * 2 + 1; // teams of four with a free number between them
        trop::setFieldText(member.surname, "Wiśniewska-Kowalczyk");
        trop::setFieldText(member.firstName, "Małgorzata");
        trop::setFieldText(member.club, "PTTK Oddział Ziemi Mazowieckiej");
        trop::setFieldText(member.remarks, "opiekun drużyny, nocleg w schronisku");
    }
    return table;
}

void buildRowsOfAFullTable(benchmark::State& state)
{
    const auto table = fullTable();
    for (auto _ : state) {
        auto rows = trop::buildParticipantRows(*table, trop::kMaxMembers);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(buildRowsOfAFullTable)->Unit(benchmark::kMicrosecond);

void buildRowsAndTheirTexts(benchmark::State& state)
{
    const auto table = fullTable();
    for (auto _ : state) {
        const auto rows = trop::buildParticipantRows(*table, trop::kMaxMembers);
        std::size_t bytes = 0;
        for (const trop::ParticipantRow& row : rows)
            for (int column = 1; column < trop::kParticipantColumnCount; ++column)
                bytes += trop::participantCellText(*table, row, static_cast<trop::ParticipantColumn>(column)).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(buildRowsAndTheirTexts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
