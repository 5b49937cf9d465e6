#include "model_test_support.h"

#include "trop/model/members.h"
#include "trop/store/fixed_text.h"

#include <memory>

using namespace trop;
using trop::test::int32At;
using trop::test::textAt;

namespace {

MemberRecord member(int team, const char* surname, const char* firstName = "Jan")
{
    MemberRecord record{};
    record.teamNumber = team;
    setFieldText(record.surname, surname);
    setFieldText(record.firstName, firstName);
    return record;
}

std::unique_ptr<MemberTable> tableOf(std::initializer_list<MemberRecord> records)
{
    auto table = std::make_unique<MemberTable>();
    int slot = 0;
    for (const MemberRecord& record : records)
        table->slots[slot++] = record;
    return table;
}

class Members : public trop::test::FolderTest {
protected:
    std::unique_ptr<MemberTable> table = std::make_unique<MemberTable>();
};

TEST_F(Members, RecordIsWrittenAtItsFileOffsets)
{
    MemberRecord& m = table->slots[0];
    m.teamNumber = 0x01020304;
    m.birthYear = 1987;
    m.birthYearSet = 1;
    setFieldText(m.surname, "Kowalski");
    setFieldText(m.firstName, "Jan");
    setFieldText(m.club, "PTTK Oddzia\xB3");
    setFieldText(m.postCode, "00-950");
    setFieldText(m.town, "\xA3\xF3" "d\x9F");
    setFieldText(m.street, "Piotrkowska 1");
    setFieldText(m.entryFee, "25 z\xB3");
    setFieldText(m.remarks, "uwagi");
    m.reserved[0] = 'r';
    m.reserved[1] = 's';
    table->slots[1] = member(9, "Nowak");
    ASSERT_TRUE(saveMembers(folder, *table));

    const auto bytes = fileBytes(kMembersFileName);
    ASSERT_EQ(bytes.size(), 2u * 328u);
    EXPECT_EQ(int32At(bytes, 0), 0x01020304);
    EXPECT_EQ(int32At(bytes, 4), 1987);
    EXPECT_EQ(int32At(bytes, 8), 1);
    EXPECT_EQ(textAt(bytes, 12, 31), "Kowalski");
    EXPECT_EQ(textAt(bytes, 43, 31), "Jan");
    EXPECT_EQ(textAt(bytes, 74, 41), "PTTK Oddzia\xB3");
    EXPECT_EQ(textAt(bytes, 115, 7), "00-950");
    EXPECT_EQ(textAt(bytes, 122, 31), "\xA3\xF3" "d\x9F");
    EXPECT_EQ(textAt(bytes, 153, 41), "Piotrkowska 1");
    EXPECT_EQ(textAt(bytes, 194, 11), "25 z\xB3");
    EXPECT_EQ(textAt(bytes, 205, 121), "uwagi");
    EXPECT_EQ(bytes[326], 'r');
    EXPECT_EQ(bytes[327], 's');
    EXPECT_EQ(int32At(bytes, 328), 9);
    EXPECT_EQ(textAt(bytes, 328 + 12, 31), "Nowak");
}

TEST_F(Members, MissingFileIsCreatedEmpty)
{
    table->slots[0] = member(4, "Stale");
    EXPECT_EQ(loadMembers(folder, *table), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / kMembersFileName));
    EXPECT_EQ(std::filesystem::file_size(folder / kMembersFileName), 0u);
    EXPECT_EQ(table->slots[0].teamNumber, 0);
}

TEST_F(Members, EmptyFileLoadsNothing)
{
    writeBytes(kMembersFileName, "", 0);
    table->slots[0] = member(4, "Stale");
    EXPECT_EQ(loadMembers(folder, *table), 0);
}

TEST_F(Members, ThousandRecordsLoadAndBytesBeyondAreIgnored)
{
    std::vector<MemberRecord> records(1001);
    for (int i = 0; i < 1001; ++i)
        records[i] = member(i + 1, "X");
    writeBytes(kMembersFileName, records.data(), records.size() * sizeof(MemberRecord));
    EXPECT_EQ(loadMembers(folder, *table), 1000);
    EXPECT_EQ(table->slots[999].teamNumber, 1000);
}

TEST_F(Members, ZeroTeamEndsTheTable)
{
    auto onDisk = tableOf({member(1, "A"), member(2, "B"), member(0, "C"), member(4, "D")});
    writeBytes(kMembersFileName, onDisk->slots, 4 * sizeof(MemberRecord));
    EXPECT_EQ(loadMembers(folder, *table), 2);
}

TEST_F(Members, PartialTrailingRecordLeavesNoStaleBytes)
{
    auto onDisk = tableOf({member(1, "A"), member(2, "B")});
    writeBytes(kMembersFileName, onDisk->slots, sizeof(MemberRecord) + 20); // second record cut after surname start
    table->slots[1] = member(7, "Old", "Stale");
    table->slots[1].birthYear = 1950;
    ASSERT_EQ(loadMembers(folder, *table), 2);
    EXPECT_EQ(table->slots[1].teamNumber, 2);
    EXPECT_EQ(table->slots[1].birthYear, 0);
    EXPECT_EQ(fieldText(table->slots[1].firstName), "");
}

TEST_F(Members, UnreadableFileIsAnError)
{
    std::filesystem::create_directory(folder / kMembersFileName);
    EXPECT_EQ(loadMembers(folder, *table), -1);
}

TEST_F(Members, SaveWritesTheUsedPartOnlyAndRoundTrips)
{
    *table = *tableOf({member(3, "A"), member(5, "B"), member(0, "gap"), member(8, "after gap")});
    ASSERT_TRUE(saveMembers(folder, *table));
    EXPECT_EQ(std::filesystem::file_size(folder / kMembersFileName), 2u * 328u);

    auto loaded = std::make_unique<MemberTable>();
    ASSERT_EQ(loadMembers(folder, *loaded), 2);
    EXPECT_EQ(fieldText(loaded->slots[1].surname), "B");

    *table = MemberTable{};
    ASSERT_TRUE(saveMembers(folder, *table));
    EXPECT_EQ(std::filesystem::file_size(folder / kMembersFileName), 0u);
}

TEST_F(Members, FailedSaveKeepsTheOldFile)
{
    *table = *tableOf({member(3, "A")});
    ASSERT_TRUE(saveMembers(folder, *table));
    blockWritesTo(kMembersFileName);
    table->slots[1] = member(4, "B");
    EXPECT_FALSE(saveMembers(folder, *table));
    EXPECT_EQ(std::filesystem::file_size(folder / kMembersFileName), 328u);
}

TEST(MemberInsertion, GoesAfterTheLastMemberWithANumberNotAbove)
{
    struct Case {
        int team;
        int expectedSlot;
    };
    for (const Case c : {Case{5, 3}, Case{1, 0}, Case{3, 1}, Case{4, 1}, Case{8, 4}, Case{9, 4}}) {
        auto table = tableOf({member(3, "a"), member(5, "b"), member(5, "c"), member(8, "d")});
        EXPECT_EQ(insertMember(*table, member(c.team, "new")), c.expectedSlot) << "team " << c.team;
        EXPECT_EQ(memberCount(*table), 5);
        EXPECT_EQ(fieldText(table->slots[c.expectedSlot].surname), "new");
        for (int i = 1; i < 5; ++i)
            EXPECT_LE(table->slots[i - 1].teamNumber, table->slots[i].teamNumber);
    }
}

TEST(MemberInsertion, RefusesAFullTableAndTeamZero)
{
    auto table = std::make_unique<MemberTable>();
    EXPECT_EQ(insertMember(*table, member(0, "x")), -1);
    for (int i = 0; i < kMaxMembers; ++i)
        table->slots[i] = member(i + 1, "x");
    EXPECT_EQ(insertMember(*table, member(5, "y")), -1);
    EXPECT_EQ(table->slots[kMaxMembers - 1].teamNumber, kMaxMembers);
}

TEST(MemberRemoval, ShiftsDownAndClearsTheLastSlot)
{
    auto table = tableOf({member(3, "a"), member(5, "b"), member(8, "c")});
    removeMember(*table, 1);
    EXPECT_EQ(memberCount(*table), 2);
    EXPECT_EQ(fieldText(table->slots[1].surname), "c");
    EXPECT_EQ(table->slots[2].teamNumber, 0);

    removeMember(*table, 2);  // beyond the used part
    removeMember(*table, -1);
    EXPECT_EQ(memberCount(*table), 2);

    auto full = std::make_unique<MemberTable>();
    for (int i = 0; i < kMaxMembers; ++i)
        full->slots[i] = member(i + 1, "x");
    removeMember(*full, kMaxMembers - 1);
    EXPECT_EQ(memberCount(*full), kMaxMembers - 1);
}

TEST(Teams, NumbersAndLabels)
{
    auto table = tableOf({member(3, "Kowalski", "Jan"), member(5, "Nowak", "Anna"), member(5, "Zi\xEAtek", "Ola"),
                          member(8, "Lis", "Ewa")});
    EXPECT_EQ(teamNumbers(*table), (std::vector<int>{3, 5, 8}));
    EXPECT_EQ(teamLabel(*table, 5), "Nowak Anna,     Zi\xEAtek Ola");
    EXPECT_EQ(teamLabel(*table, 3), "Kowalski Jan");
    EXPECT_EQ(teamLabel(*table, 4), "");
}

TEST(Teams, LabelOfNamesWithoutTerminatorStaysInsideTheFields)
{
    auto table = tableOf({member(1, "")});
    std::memset(table->slots[0].surname, 'S', sizeof table->slots[0].surname);
    std::memset(table->slots[0].firstName, 'F', sizeof table->slots[0].firstName);
    EXPECT_EQ(teamLabel(*table, 1), std::string(31, 'S') + " " + std::string(31, 'F'));
}

} // namespace
