// Runs the built trop-cli with arguments (already quoted for the shell) and
// collects what it writes.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace trop::testing {

struct RunResult {
    int exitCode = -1;  // -1 also when the command was ended by a signal or the time limit
    std::string output; // standard output, and standard error when asked for
};

enum class CliErrors { Dropped, Collected };

// A run is ended after 60 seconds, so a command that blocks fails the test
// instead of hanging it.
inline RunResult runCli(const std::string& arguments, CliErrors errors = CliErrors::Dropped)
{
    const std::string command = std::string("timeout 60 '") + TROP_CLI_PATH + "' " + arguments +
                                (errors == CliErrors::Collected ? " 2>&1" : " 2>/dev/null");
    RunResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer;
    std::size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) && WEXITSTATUS(status) != 124 ? WEXITSTATUS(status) : -1;
    return result;
}

inline std::string quotedPath(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

} // namespace trop::testing
