#include "trop/store/header_files.h"

#include "trop/store/fixed_text.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace trop;
using trop::testing::readFile;
using trop::testing::TemporaryFolder;
using trop::testing::writeFile;

namespace {

namespace fs = std::filesystem;

// The field `text` at `offset` of `width` bytes: text then zeros.
void expectField(const std::string& bytes, std::size_t offset, std::size_t width, const std::string& text)
{
    ASSERT_LE(offset + width, bytes.size());
    std::string expected = text.substr(0, width - 1);
    expected.resize(width, '\0');
    EXPECT_EQ(bytes.substr(offset, width), expected) << "field at " << offset;
}

StageParams sampleParams()
{
    StageParams params{};
    setFieldText(params.timeLimitText, "2:30");
    setFieldText(params.lateLimitText, "0:30");
    setFieldText(params.author, std::string(43, 'A'));
    setFieldText(params.name1, "Nocny");
    setFieldText(params.name2, "etap");
    setFieldText(params.name3, "\xA3\xF3\x64\xBC"); // cp1250 bytes pass unchanged
    setFieldText(params.routeLengthText, "5,2 km");
    setFieldText(params.climbText, "120 m");
    setFieldText(params.mapScaleText, "25000");
    setFieldText(params.contourText, "5 m");
    setFieldText(params.mosText, "1");
    return params;
}

TEST(HeaderFiles, CompetitionHeaderFieldsLieAtTheirOffsets)
{
    CompetitionHeader header{};
    setFieldText(header.dateText, "12-14.05.1999");
    setFieldText(header.fullName1, "Rajd");
    setFieldText(header.fullName2, std::string(63, 'n'));
    setFieldText(header.fullName3, "");
    const std::string bytes = competitionHeaderBytes(header);
    ASSERT_EQ(bytes.size(), 224u);
    expectField(bytes, 0, 32, "12-14.05.1999");
    expectField(bytes, 32, 64, "Rajd");
    expectField(bytes, 96, 64, std::string(63, 'n'));
    expectField(bytes, 160, 64, "");
}

TEST(HeaderFiles, StageParamsFieldsLieAtTheirOffsets)
{
    const std::string bytes = stageParamsBytes(sampleParams());
    ASSERT_EQ(bytes.size(), 232u);
    const std::vector<std::tuple<std::size_t, std::size_t, std::string>> fields = {
        {0, 8, "2:30"},   {8, 8, "0:30"},    {16, 44, std::string(43, 'A')},
        {60, 44, "Nocny"}, {104, 44, "etap"}, {148, 44, "\xA3\xF3\x64\xBC"},
        {192, 8, "5,2 km"}, {200, 8, "120 m"}, {208, 10, "25000"}, {218, 6, "5 m"}, {224, 8, "1"}};
    for (const auto& [offset, width, text] : fields)
        expectField(bytes, offset, width, text);
}

TEST(HeaderFiles, WriteAndReadBack)
{
    TemporaryFolder folder;
    const StageParams params = sampleParams();
    ASSERT_TRUE(writeStageParams(folder.path(), params));
    EXPECT_EQ(readFile(folder.path() / "Name.and.Param"), stageParamsBytes(params));
    StageParams back{};
    ASSERT_EQ(readStageParams(folder.path(), back), HeaderRead::Ok);
    EXPECT_EQ(std::memcmp(&back, &params, sizeof params), 0);
}

TEST(HeaderFiles, MissingFileLeavesEveryFieldEmpty)
{
    TemporaryFolder folder;
    CompetitionHeader header;
    std::memset(&header, 'x', sizeof header);
    EXPECT_EQ(readCompetitionHeader(folder.path(), header), HeaderRead::Missing);
    EXPECT_EQ(fieldText(header.dateText), "");
    EXPECT_EQ(fieldText(header.fullName3), "");
}

TEST(HeaderFiles, ShortFileKeepsTheWholeFieldsReadAndEmptiesTheRest)
{
    TemporaryFolder folder;
    const std::string whole = stageParamsBytes(sampleParams());
    writeFile(folder.path() / "Name.and.Param", whole.substr(0, 70)); // ends inside name1
    StageParams params;
    std::memset(&params, 'x', sizeof params);
    EXPECT_EQ(readStageParams(folder.path(), params), HeaderRead::Error);
    EXPECT_EQ(fieldText(params.timeLimitText), "2:30");
    EXPECT_EQ(fieldText(params.author), std::string(43, 'A'));
    EXPECT_EQ(fieldText(params.name1), "");
    EXPECT_EQ(fieldText(params.mosText), "");
}

TEST(HeaderFiles, DamagedFieldsNeverReadPastTheirEnd)
{
    TemporaryFolder folder;
    writeFile(folder.path() / "Name.and.date", std::string(300, 'Z')); // no zero anywhere, too long
    CompetitionHeader header{};
    EXPECT_EQ(readCompetitionHeader(folder.path(), header), HeaderRead::Ok);
    EXPECT_EQ(fieldText(header.dateText), std::string(32, 'Z')) << "all its width, nothing beyond";
    EXPECT_EQ(fieldText(header.fullName3), std::string(64, 'Z'));
}

TEST(HeaderFiles, UnreadableOrUnwritableIsAnError)
{
    TemporaryFolder folder;
    fs::create_directory(folder.path() / "Name.and.date"); // a folder where the file should be
    CompetitionHeader header{};
    EXPECT_EQ(readCompetitionHeader(folder.path(), header), HeaderRead::Error);
    EXPECT_FALSE(writeStageParams(folder.path() / "absent", StageParams{}));
}

} // namespace
