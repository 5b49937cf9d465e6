// A header field read from disk without a zero byte yields all its width.
#include "trop/store/fixed_text.h"
#include "trop/store/header_files.h"

#include <gtest/gtest.h>

namespace {

TEST(HeaderFields, AFieldWithoutAZeroByteYieldsItsWholeWidth)
{
    std::string bytes(32, 'D');             // dateText, no zero byte
    bytes += std::string(63, 'N') + '\0';   // fullName1 as written
    bytes += std::string(128, '\0');
    trop::CompetitionHeader header{};
    ASSERT_EQ(trop::parseCompetitionHeader(bytes, header), trop::HeaderRead::Ok);
    EXPECT_EQ(trop::fieldText(header.dateText), std::string(32, 'D'));
    EXPECT_EQ(trop::fieldText(header.fullName1), std::string(63, 'N')) << "the next field starts where it should";

    std::string stage(232, '\0');
    stage.replace(224, 8, "12345678"); // mosText, the last field, full
    trop::StageParams params{};
    ASSERT_EQ(trop::parseStageParams(stage, params), trop::HeaderRead::Ok);
    EXPECT_EQ(trop::fieldText(params.mosText), "12345678");
}

} // namespace
