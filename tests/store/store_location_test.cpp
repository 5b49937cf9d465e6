// The one rule by which trop, tablo and trop-cli find the store. The tests
// run as root, who may write anywhere, so the decision is fed its facts.
#include "trop/store/startup.h"
#include "trop/store/store_location.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace trop;
using trop::testing::RecordingAnswerer;
using trop::testing::TemporaryFolder;

namespace {

namespace fs = std::filesystem;

TEST(StoreLocation, NextToTheProgramThenTheDataFolderThenNowhere)
{
    TemporaryFolder machine;
    const fs::path program = machine.path() / "bin";
    const fs::path data = machine.path() / "home" / ".local" / "share" / "Lirnik" / "Trop";
    fs::create_directories(program);
    struct Case {
        bool programWritable, dataWritable;
        std::optional<fs::path> root; // created, or nothing after message 1
    } cases[] = {
        {true, true, program / "Zawody"},
        {true, false, program / "Zawody"},
        {false, true, data / "Zawody"}, // installed: the data folder is new
        {false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        RecordingAnswerer answerer;
        const StoreLocationFacts facts{program, c.programWritable, data, c.dataWritable};
        EXPECT_EQ(prepareStoreRoot(facts), c.root) << c.programWritable << c.dataWritable;
        if (c.root)
            EXPECT_TRUE(fs::is_directory(*c.root));
        EXPECT_EQ(answerer.summary(), c.root ? std::vector<std::string>{} : std::vector<std::string>{"1:Zawody"});
        fs::remove_all(program / "Zawody");
        fs::remove_all(machine.path() / "home");
    }
    EXPECT_EQ(chooseStoreParent({program, false, fs::path(), true}), std::nullopt); // no data folder known
}

TEST(StoreLocation, TheFactsOfThisMachine)
{
    TemporaryFolder machine;
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const std::string saved = oldData ? oldData : "";
    ::setenv("XDG_DATA_HOME", (machine.path() / "data").c_str(), 1);
    EXPECT_EQ(userDataFolder(), machine.path() / "data" / "Lirnik" / "Trop");

    const StoreLocationFacts portable = storeLocationFacts(machine.path());
    EXPECT_TRUE(portable.programFolderWritable);
    EXPECT_TRUE(portable.dataFolderWritable); // its nearest existing folder is
    EXPECT_EQ(storeRootFor(machine.path()), machine.path() / "Zawody");

    // An installed program never keeps the store beside itself, even for root;
    // nor does a folder where "Zawody" is taken by a file.
    EXPECT_FALSE(storeLocationFacts("/usr/bin").programFolderWritable);
    EXPECT_EQ(storeRootFor("/usr/bin"), machine.path() / "data" / "Lirnik" / "Trop" / "Zawody");
    trop::testing::writeFile(machine.path() / "Zawody", "a file");
    EXPECT_FALSE(storeLocationFacts(machine.path()).programFolderWritable);

    ::setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(userDataFolder().filename(), "Trop");
    EXPECT_TRUE(userDataFolder().is_absolute() || userDataFolder().empty());
    if (oldData)
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
