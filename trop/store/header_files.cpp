#include "trop/store/header_files.h"

#include "trop/store/file_io.h"
#include "trop/store/fixed_text.h"
#include "trop/store/fixed_text_file.h"

#include <cstring>
#include <string>

namespace trop {

namespace {

namespace fs = std::filesystem;

// Field order and widths of the two files.
template <typename Record, typename Visit>
void forEachField(Record& header, Visit visit)
{
    if constexpr (std::is_same_v<std::remove_const_t<Record>, CompetitionHeader>) {
        visit(header.dateText);
        visit(header.fullName1);
        visit(header.fullName2);
        visit(header.fullName3);
    } else {
        visit(header.timeLimitText);
        visit(header.lateLimitText);
        visit(header.author);
        visit(header.name1);
        visit(header.name2);
        visit(header.name3);
        visit(header.routeLengthText);
        visit(header.climbText);
        visit(header.mapScaleText);
        visit(header.contourText);
        visit(header.mosText);
    }
}

template <typename Record>
std::string recordBytes(const Record& record)
{
    std::string bytes;
    bytes.reserve(sizeof(Record));
    forEachField(record, [&bytes](const auto& field) {
        writeFixedText(bytes, fieldText(field), static_cast<int>(sizeof(field)));
    });
    return bytes;
}

// Fields are read in file order; once the bytes run out the rest stay empty.
template <typename Record>
HeaderRead parseRecord(std::string_view bytes, Record& record)
{
    std::memset(&record, 0, sizeof(Record));
    bool complete = true;
    forEachField(record, [&](auto& field) {
        if (!complete)
            return;
        std::string text;
        complete = readFixedText(bytes, static_cast<int>(sizeof(field)), text);
        if (complete)
            setFieldBytes(field, text); // a field without a zero byte yields all its width
    });
    return complete ? HeaderRead::Ok : HeaderRead::Error;
}

template <typename Record>
HeaderRead readRecordFile(const fs::path& file, Record& record)
{
    std::memset(&record, 0, sizeof(Record));
    const FileBytes read = readFileUpTo(file, sizeof(Record));
    if (read.status == ReadStatus::Missing)
        return HeaderRead::Missing;
    if (read.status != ReadStatus::Ok)
        return HeaderRead::Error;
    return parseRecord(std::string_view(read.bytes.data(), read.bytes.size()), record);
}

} // namespace

std::string competitionHeaderBytes(const CompetitionHeader& header)
{
    return recordBytes(header);
}

std::string stageParamsBytes(const StageParams& params)
{
    return recordBytes(params);
}

HeaderRead parseCompetitionHeader(std::string_view bytes, CompetitionHeader& header)
{
    return parseRecord(bytes, header);
}

HeaderRead parseStageParams(std::string_view bytes, StageParams& params)
{
    return parseRecord(bytes, params);
}

HeaderRead readCompetitionHeader(const std::filesystem::path& competitionFolder, CompetitionHeader& header)
{
    return readRecordFile(competitionFolder / kCompetitionHeaderFileName, header);
}

bool writeCompetitionHeader(const std::filesystem::path& competitionFolder, const CompetitionHeader& header)
{
    return writeFileAtomically(competitionFolder / kCompetitionHeaderFileName, competitionHeaderBytes(header));
}

HeaderRead readStageParams(const std::filesystem::path& stageFolder, StageParams& params)
{
    return readRecordFile(stageFolder / kStageParamsFileName, params);
}

bool writeStageParams(const std::filesystem::path& stageFolder, const StageParams& params)
{
    return writeFileAtomically(stageFolder / kStageParamsFileName, stageParamsBytes(params));
}

} // namespace trop
