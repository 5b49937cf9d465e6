// Argument splitting shared by the commands that take "--json".
#pragma once

#include "cli_commands.h"

namespace trop::cli {

struct SplitArguments {
    bool json = false;
    Arguments positional; // everything but "--json", in order
};

inline SplitArguments splitJsonFlag(const Arguments& args)
{
    SplitArguments split;
    for (const std::string& arg : args) {
        if (arg == "--json")
            split.json = true;
        else
            split.positional.push_back(arg);
    }
    return split;
}

} // namespace trop::cli
