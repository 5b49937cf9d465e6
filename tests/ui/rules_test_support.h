// Shortcuts for the rules tests.
#pragma once

#include "navigation_fakes.h"
#include "trop/ui/navigation/navigation_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trop::test {

inline std::vector<std::string> entryTexts(const NavigationRules& rules)
{
    std::vector<std::string> texts;
    for (const NavigationEntry& entry : rules.entries())
        texts.push_back(entry.text);
    return texts;
}

inline std::vector<std::string> menuTexts(const NavigationRules& rules, int target)
{
    std::vector<std::string> texts;
    for (const MenuEntry& entry : rules.menuFor(target))
        texts.push_back(entry.text);
    return texts;
}

// The command of the popup entry with this text; fails the test when absent.
inline NavigationCommand commandNamed(const NavigationRules& rules, int target, const std::string& text)
{
    for (const MenuEntry& entry : rules.menuFor(target))
        if (text == entry.text)
            return entry.command;
    ADD_FAILURE() << "no popup entry " << text << " for target " << target;
    return NavigationCommand::Close;
}

// Chooses a popup entry by its text, as a user would.
inline CommandResult choose(NavigationRules& rules, int target, const std::string& text)
{
    return rules.run(commandNamed(rules, target, text), target);
}

inline int indexOf(const NavigationRules& rules, const std::string& text)
{
    const auto& entries = rules.entries();
    for (std::size_t at = 0; at < entries.size(); ++at)
        if (entries[at].text == text)
            return static_cast<int>(at);
    return -1;
}

inline CategoryEntry categoryEntry(const std::string& folderName)
{
    return {folderName, categoryDisplayName(folderName), categoryNumber(folderName)};
}

} // namespace trop::test
