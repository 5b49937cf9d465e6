#include "trop/store/competition_store.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace trop;
using trop::testing::TemporaryFolder;
using trop::testing::writeFile;

namespace {

namespace fs = std::filesystem;

template <typename T>
std::vector<T> sorted(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

TEST(CompetitionStore, CompetitionsAreEverySubfolderButNoFile)
{
    TemporaryFolder root;
    EXPECT_TRUE(listCompetitions(root.path()).empty());
    fs::create_directory(root.path() / "Wrzos '99");
    fs::create_directory(root.path() / ".hidden");
    writeFile(root.path() / "notes.txt", "x");
    EXPECT_EQ(sorted(listCompetitions(root.path())), (std::vector<std::string>{".hidden", "Wrzos '99"}));
    EXPECT_TRUE(listCompetitions(root.path() / "missing").empty());
}

TEST(CompetitionStore, CategoriesAreTheCodesExactlyOrCustomNames)
{
    TemporaryFolder competition;
    for (const char* name : {"TD", "td", "Q1", "XY", "X.Ala", "TDX", "SZ", "X"})
        fs::create_directory(competition.path() / name);
    writeFile(competition.path() / "RK", "a file, not a category");

    std::vector<CategoryEntry> listed = listCategories(competition.path());
    std::sort(listed.begin(), listed.end(),
              [](const CategoryEntry& a, const CategoryEntry& b) { return a.folderName < b.folderName; });
    ASSERT_EQ(listed.size(), 5u);
    const std::vector<std::tuple<std::string, std::string, int>> expected = {
        {"SZ", "SZ", 12}, {"TD", "TD", 2}, {"X", "X", 14}, {"X.Ala", "Ala", 14}, {"XY", "Y", 14}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(listed[i].folderName, std::get<0>(expected[i]));
        EXPECT_EQ(listed[i].displayName, std::get<1>(expected[i]));
        EXPECT_EQ(listed[i].number, std::get<2>(expected[i]));
    }
}

TEST(CompetitionStore, StagesAreE0ToE9Only)
{
    TemporaryFolder category;
    for (const char* name : {"E0", "E3", "E9", "E10", "e1", "E", "EA", "E-1"})
        fs::create_directory(category.path() / name);
    writeFile(category.path() / "E5", "file");
    EXPECT_EQ(sorted(listStages(category.path())), (std::vector<int>{0, 3, 9}));
}

TEST(CompetitionStore, CustomDisplayNameDropsTheXAndThePointAfterIt)
{
    const std::pair<const char*, const char*> shown[] = {
        {"X.OPEN", "OPEN"}, {"X.AB", "AB"}, {"XY", "Y"}, {"X", "X"}, {"TU", "TU"},
        {"X\xC5\x81" "ABC", "\xC5\x81" "ABC"}, // no point: only the X goes, never half a character
        {"X\xA3" "AB", "\xA3" "AB"},               // a byte that starts no character stays too
        {"X.\xC5\x81\xC3\x93" "D\xC5\xB9", "\xC5\x81\xC3\x93" "D\xC5\xB9"}};
    for (const auto& [folder, name] : shown)
        EXPECT_EQ(categoryDisplayName(folder), name) << folder;
}

TEST(CompetitionStore, SafeFolderNames)
{
    const std::vector<std::pair<std::string, bool>> cases = {
        {"Wrzos '99", true}, {"X.OPEN", true}, {"...", true}, {"", false}, {".", false}, {"..", false},
        {"a/b", false}, {"a\\b", false}, {"/", false}, {std::string("a\0b", 3), false},
        {std::string(255, 'a'), true}, {std::string(256, 'a'), false},
    };
    for (const auto& [name, safe] : cases)
        EXPECT_EQ(isSafeFolderName(name), safe) << name;
}

} // namespace
