// Records are written byte for byte as the files lay them out: each record
// gets a distinct value in every field, is saved, and the file's bytes are
// read back at their offsets.
#include "model_test_support.h"

#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/model/stage_file.h"
#include "trop/model/start_list.h"
#include "trop/store/fixed_text.h"

#include <memory>

using namespace trop;
using trop::test::int32At;
using trop::test::textAt;

namespace {

struct IntAt {
    std::size_t offset;
    std::int32_t value;
};
struct TextAt {
    std::size_t offset, size;
    const char* text;
};

void expectFields(const std::vector<unsigned char>& bytes, std::initializer_list<IntAt> ints,
                  std::initializer_list<TextAt> texts = {})
{
    for (const IntAt& field : ints)
        EXPECT_EQ(int32At(bytes, field.offset), field.value) << "int at " << field.offset;
    for (const TextAt& field : texts)
        EXPECT_EQ(textAt(bytes, field.offset, field.size), field.text) << "text at " << field.offset;
}

using Layouts = trop::test::FolderTest;

TEST_F(Layouts, MemberRecord)
{
    auto table = std::make_unique<MemberTable>();
    MemberRecord& m = table->records[0];
    m = {0x01020304, 1987, 1, "Kowalski", "Jan", "PTTK Oddzia\xB3", "00-950", "\xA3\xF3" "d\x9F", "Piotrkowska 1",
         "25 z\xB3", "uwagi", {'r', 's'}};
    ASSERT_TRUE(saveMembers(folder, *table));
    const auto bytes = fileBytes(kMembersFileName);
    ASSERT_EQ(bytes.size(), 328u);
    expectFields(bytes, {{0, 0x01020304}, {4, 1987}, {8, 1}},
                 {{12, 31, "Kowalski"}, {43, 31, "Jan"}, {74, 41, "PTTK Oddzia\xB3"}, {115, 7, "00-950"},
                  {122, 31, "\xA3\xF3" "d\x9F"}, {153, 41, "Piotrkowska 1"}, {194, 11, "25 z\xB3"},
                  {205, 121, "uwagi"}, {326, 2, "rs"}});
}

TEST_F(Layouts, StartEntry)
{
    auto list = std::make_unique<StartList>();
    list->entries[0] = {0x0A0B0C0D, 3};
    list->entries[1] = {4, kEmptyStartPosition};
    ASSERT_TRUE(saveStartList(folder, *list));
    const auto bytes = fileBytes(kStartListFileName);
    ASSERT_EQ(bytes.size(), 16u);
    expectFields(bytes, {{0, 0x0A0B0C0D}, {4, 3}, {8, 4}, {12, -1}});
}

TEST_F(Layouts, ControlCard)
{
    auto table = std::make_unique<ResultsTable>();
    ControlCard& c = table->cards[0];
    const std::int32_t head[13] = {7, 101, 102, 103, 104, 105, 106, 107, 108, -100000, 110, 40, 111};
    std::memcpy(&c, head, sizeof head);
    for (int i = 0; i < kBoxCount; ++i)
        c.missing[i] = 200 + i;
    c.boxes[39] = {301, 302, 303, 304, "LOP 12", 305, 306, "\xA3\xF3" "d\x9F", 307, 308, 309, 310, 311, 312, 313, 314,
                   315, WrongPoint};
    ASSERT_TRUE(saveResults(folder, *table));
    const auto bytes = fileBytes(kResultsFileName);
    ASSERT_EQ(bytes.size(), 3412u);
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(int32At(bytes, 4 * i), head[i]) << "card field at " << 4 * i;
    const std::size_t b = 212 + 80 * 39;
    expectFields(bytes,
                 {{52, 200}, {52 + 4 * 39, 239}, {b + 0, 301}, {b + 4, 302}, {b + 8, 303}, {b + 12, 304},
                  {b + 24, 305}, {b + 28, 306}, {b + 40, 307}, {b + 44, 308}, {b + 48, 309}, {b + 52, 310},
                  {b + 56, 311}, {b + 60, 312}, {b + 64, 313}, {b + 68, 314}, {b + 72, 315}, {b + 76, 2}},
                 {{b + 16, 8, "LOP 12"}, {b + 32, 8, "\xA3\xF3" "d\x9F"}});
}

TEST_F(Layouts, StageDefinition)
{
    auto stage = std::make_unique<StageDefinition>();
    StageDefinition& s = *stage;
    applyStageDefaults(s);
    addCode(s, 0x00112233, "Z");
    addCode(s, 0x00445566, "AB");
    s.pointCount = 3;
    RoutePoint& p = s.points[2];
    p = {"12a", "xy", 11, 12, 13, 14, {}, 21, {}, 2};
    p.controls[20].codeIndex = 2;
    p.associated[1].codeIndex = 1;
    s.requiredConfirmations = 15;
    s.orderRule = GroupOrder;
    s.groups[29] = {16, {}, 18};
    s.groups[29].members[29] = 17;
    s.groupCount = 19;
    s.orderList[29] = 20;
    s.orderCount = 21;
    s.wrongDescriptionIsWrongPoint = 22;
    s.timeLimit = 23;
    s.lateLimit = 24;
    s.stageConstant = 25;
    s.taskEnabled = 26;
    s.taskCorrectValue = -100000;
    s.taskDeviationInPercent = 27;
    s.taskPenaltyPerPoint = 0x80000001u;
    ASSERT_TRUE(saveStageDefinition(folder, s));

    const auto bytes = fileBytes(kStageDefinitionFileName);
    ASSERT_EQ(bytes.size(), 22112u);
    const std::size_t pt = 2020 + 536 * 2, control = pt + 24 + 12 * 20, assoc = pt + 280 + 12, group = 18112 + 128 * 29;
    expectFields(bytes,
                 {{0, 0xE6E6E6}, {24, 0x00445566}, {2016, 3}, {pt + 8, 11}, {pt + 12, 12}, {pt + 16, 13},
                  {pt + 20, 14}, {control, 0x00445566}, {control + 8, 2}, {pt + 276, 21}, {assoc, 0x00112233},
                  {assoc + 8, 1}, {pt + 532, 2}, {18100, 3}, {18104, 15}, {18108, 2}, {group, 16},
                  {group + 4 + 4 * 29, 17}, {group + 124, 18}, {21952, 19}, {21956 + 4 * 29, 20}, {22076, 21},
                  {22080, 22}, {22084, 23}, {22088, 24}, {22092, 25}, {22096, 26}, {22100, -100000},
                  {22104, 27}, {22108, static_cast<std::int32_t>(0x80000001u)}},
                 {{4, 8, "bpk"}, {28, 8, "AB"}, {pt, 4, "12a"}, {pt + 4, 4, "xy"}, {control + 4, 4, "AB"},
                  {assoc + 4, 4, "Z"}});
}

} // namespace
