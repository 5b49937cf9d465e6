// trop-cli import-members and export-members on a private store.
#include "trop/model/members.h"
#include "trop/store/fixed_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace trop;

namespace {

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliMembers : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("trop-cli-members-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        source = root / "Wrzos" / "TP";
        target = root / "Wrzos" / "TD";
        fs::create_directories(source);
        fs::create_directories(target);
    }
    void TearDown() override { fs::remove_all(root); }

    int run(const std::string& arguments)
    {
        const std::string command = std::string(TROP_CLI_PATH) + " " + arguments + " >" + (root / "out").string() +
                                    " 2>" + (root / "err").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    static std::string quoted(const fs::path& path)
    {
        std::string text(1, '\'');
        text.append(path.string()).push_back('\'');
        return text;
    }

    fs::path root, source, target;
};

TEST_F(CliMembers, ExportedMembersComeBackByteIdentical)
{
    auto table = std::make_unique<MemberTable>();
    for (int i = 0; i < 5; ++i) {
        MemberRecord member{};
        member.teamNumber = 1 + i / 2;
        setFieldText(member.surname, "Kowal\xB9"); // "Kowalą" in code page 1250
        setFieldText(member.remarks, i == 3 ? "=1;\"2\"" : "");
        member.birthYearSet = i % 2;
        member.birthYear = i % 2 ? 1999 : 0;
        insertMember(*table, member);
    }
    ASSERT_TRUE(saveMembers(source, *table));
    const fs::path csv = root / "lista.csv";
    ASSERT_EQ(run("export-members " + quoted(source) + " " + quoted(csv)), 0);
    ASSERT_EQ(run("import-members " + quoted(target) + " " + quoted(csv) + " --dry-run"), 0);
    EXPECT_EQ(readAll(target / kMembersFileName), "") << "a dry run writes nothing";
    ASSERT_EQ(run("import-members " + quoted(target) + " " + quoted(csv)), 0) << readAll(root / "err");
    EXPECT_EQ(readAll(target / kMembersFileName), readAll(source / kMembersFileName));
}

TEST_F(CliMembers, RefusalsChangeNothing)
{
    const fs::path csv = root / "lista.csv";
    std::ofstream(csv) << "Nr;Nazwisko\n1;Kos\nx;Lis\n";
    EXPECT_EQ(run("import-members " + quoted(target) + " " + quoted(csv)), 1);
    EXPECT_NE(readAll(root / "err").find("lista.csv:3:"), std::string::npos) << readAll(root / "err");
    EXPECT_EQ(readAll(target / kMembersFileName), "");

    std::ofstream(csv) << "Nr;Nazwisko\n1;Kos\n";
    fs::create_directories(target / "E2");
    std::ofstream(target / "E2" / "Results") << "";
    EXPECT_EQ(run("import-members " + quoted(target) + " " + quoted(csv)), 1);
    EXPECT_NE(readAll(root / "err").find("E2"), std::string::npos);
    EXPECT_EQ(readAll(target / kMembersFileName), "");
    EXPECT_EQ(run("import-members " + quoted(target)), 2);
}

} // namespace
