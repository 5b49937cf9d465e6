#include "trop/print/results_export.h"

#include "trop/print/export_cell.h"
#include "trop/print/points_text.h"
#include "trop/store/file_io.h"
#include "trop/store/fixed_text_file.h"
#include "trop/store/fixed_text.h"

namespace trop {
namespace {

constexpr std::size_t kPieceLimit = 80;

// Collects the file the way it is written: piece by piece, each cut to its
// first 80 bytes.
class ExportText {
public:
    void piece(std::string_view text) { writeText(bytes_, text); }
    void cell(std::string_view text) { piece(std::string(text) + ";"); }
    void textCell(std::string_view text) { cell(protectTextCell(text, kPieceLimit)); }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

void writeHeaderLines(ExportText& out, const CompetitionHeader* header)
{
    if (header == nullptr)
        return;
    for (std::string_view line : {fieldText(header->fullName1), fieldText(header->fullName2),
                                  fieldText(header->fullName3)})
        if (!line.empty())
            out.piece(protectTextCell(line, kPieceLimit) + "\n");
}

void writeHeadings(ExportText& out, int stageCount)
{
    out.piece(";;;;");
    for (int s = 1; s <= stageCount; ++s)
        out.piece("Etap " + std::to_string(s) + (s == 1 ? ";;" : ";;;"));
    out.piece("\n");
    // "Nazwisko i Imię" and "Środowisko" in code page 1250.
    out.piece("Miejsce;Numer;Nazwisko i Imi\xEA;\x8Crodowisko;");
    for (int s = 1; s <= stageCount; ++s)
        out.piece(s == 1 ? "PK;PP;" : "PK;PP na;PP po;");
    out.piece("\n");
}

std::string affiliation(const MemberRecord& member)
{
    const std::string club(fieldText(member.club));
    const std::string town(fieldText(member.town));
    if (!club.empty() && !town.empty())
        return club + " / " + town;
    return club + town;
}

void writeMemberCells(ExportText& out, const MemberTable& members, std::int32_t teamNumber)
{
    bool first = true;
    for (const MemberRecord& member : members.records) {
        if (member.teamNumber == 0)
            break;
        if (member.teamNumber != teamNumber)
            continue;
        if (!first)
            out.piece("\n;;");
        first = false;
        out.textCell(std::string(fieldText(member.surname)) + "  " + std::string(fieldText(member.firstName)));
        out.textCell(affiliation(member));
    }
}

void writeStageCells(ExportText& out, const ClassificationRow& row, int stageCount)
{
    for (int s = 1; s <= stageCount; ++s) {
        const StageStanding& standing = row.stages[s];
        out.cell(standingPenaltyText(standing.penaltyPoints));
        if (s >= 2)
            out.cell(pointsText(standing.stagePoints));
        out.cell(pointsText(standing.totalPoints));
    }
}

void writeTable(ExportText& out, const MemberTable& members, const ClassificationTable& table)
{
    writeHeadings(out, table.stageCount);
    for (int r = 0; r < table.rowCount; ++r) {
        const ClassificationRow& row = table.rows[r];
        out.cell(integerText(r + 1));
        out.cell(integerText(row.teamNumber));
        writeMemberCells(out, members, row.teamNumber);
        writeStageCells(out, row, table.stageCount);
        out.piece("\n");
    }
}

} // namespace

std::string resultsExportTitle(const std::string& competitionName, const std::string& categoryDisplayName)
{
    return competitionName + " Kategoria " + categoryDisplayName;
}

std::string resultsExportBytes(const ResultsExportInput& input)
{
    ExportText out;
    // The quoted title may take the whole piece; the line feeds are then cut
    // like those of any over-long title.
    out.piece(protectTextCell(resultsExportTitle(input.competitionName, input.categoryDisplayName),
                              kPieceLimit + 1)
              + "\n\n");
    writeHeaderLines(out, input.header);
    out.piece("\n");
    if (input.members != nullptr && input.classification != nullptr && memberCount(*input.members) > 0)
        writeTable(out, *input.members, *input.classification);
    out.piece("\n\n");
    out.piece(";Lirnik s.c.;;");
    out.piece(input.timestamp);
    out.piece("\n");
    return out.take();
}

bool writeResultsExport(const std::filesystem::path& file, const std::string& bytes)
{
    return writeFileAtomically(file, std::string_view(bytes));
}

} // namespace trop
