// trop-cli where and --version, run from a portable copy of the program.
#include "trop/version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        ::pclose(pipe);
    }
    return text;
}

TEST(CliWhere, PrintsTheStoreOfTheRuleAndTheVersion)
{
    const fs::path copy = fs::temp_directory_path() / ("trop-where-" + std::to_string(::getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy / "bin");
    fs::copy_file(TROP_CLI_PATH, copy / "bin" / "trop-cli");
    const std::string run = "XDG_DATA_HOME='" + (copy / "data").string() + "' '" + (copy / "bin" / "trop-cli").string() + "'";

    EXPECT_EQ(output(run + " where"), (copy / "bin" / "Zawody").string() + "\n");
    std::ofstream(copy / "bin" / "Zawody") << "not a folder"; // the program's folder cannot hold it
    EXPECT_EQ(output(run + " where"), (copy / "data" / "Lirnik" / "Trop" / "Zawody").string() + "\n");
    EXPECT_EQ(output(run + " --version"), std::string("trop-cli ") + trop::kProgramVersion + "\n");
    fs::remove_all(copy);
}

} // namespace
