#include "trop/ui/startlist/start_list_rules.h"

#include "trop/model/members.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <chrono>

namespace trop {

const std::vector<StartListMenuEntry>& startListMenu()
{
    static const std::vector<StartListMenuEntry> entries = {
        {StartListCommand::Generate, "Generuj"},
        {StartListCommand::Sort, "Sortuj"},
        {StartListCommand::Close, "Zamknij"},
    };
    return entries;
}

std::string startListTitle(const std::string& stageTitle)
{
    return "Lista startowa :      " + stageTitle;
}

std::uint32_t StartListRules::clockSeed()
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(seconds.count());
}

StartListRules::StartListRules(std::filesystem::path stageFolder, const MemberTable* members, SeedSource seeds)
    : stageFolder_(std::move(stageFolder))
    , members_(members)
    , seeds_(std::move(seeds))
    , list_(std::make_unique<StartList>())
{
}

StartListRules::~StartListRules() = default;

bool StartListRules::open()
{
    count_ = loadStartList(stageFolder_, *list_);
    changed_ = false;
    if (count_ >= 0)
        return true;
    count_ = 0;
    showMessage(7, kStartListFileName);
    return false;
}

StartListRow StartListRules::row(int index) const
{
    if (index < 0 || index >= count_)
        return {};
    const StartEntry& entry = list_->entries[index];
    StartListRow row;
    row.time = std::to_string(entry.startTime) + ' ';
    if (entry.team != kEmptyStartPosition) {
        row.team = std::to_string(entry.team) + ' ';
        if (members_)
            row.members = teamLabel(*members_, entry.team);
    }
    return row;
}

void StartListRules::generate(const StartListParams& params)
{
    params_ = params;
    lastSeed_ = seeds_();
    const auto noMembers = members_ ? nullptr : std::make_unique<MemberTable>();
    const GenerationOutcome outcome = generateStartList(members_ ? *members_ : *noMembers, params_, *lastSeed_, *list_);
    count_ = outcome.count;
    changed_ = true;
    if (outcome.droppedEmptyPositions > 0)
        showMessageText("Lista startowa mieści najwyżej " + std::to_string(kMaxStartEntries) +
                            " pozycji. Pominięto pustych pozycji: " +
                            std::to_string(outcome.droppedEmptyPositions) + ".",
                        MessageStyle::Notice);
}

std::string StartListRules::statusText() const
{
    return lastSeed_ ? "Ziarno losowania: " + std::to_string(*lastSeed_) : std::string();
}

void StartListRules::sort()
{
    sortStartList(*list_);
}

std::string StartListRules::startTimeText(int index) const
{
    return index >= 0 && index < count_ ? std::to_string(list_->entries[index].startTime) : std::string();
}

bool StartListRules::setStartTime(int index, std::string_view typed)
{
    if (index < 0 || index >= count_)
        return true; // nothing to store into
    const std::optional<int> time = readIntegerField(typed, 0, kMaxTypedStartTime);
    if (!time)
        return false;
    if (list_->entries[index].startTime != *time) {
        list_->entries[index].startTime = *time;
        changed_ = true;
    }
    return true;
}

bool StartListRules::close()
{
    if (!changed_ || showMessage(12) != MessageAnswer::Yes)
        return true;
    if (!saveStartList(stageFolder_, *list_)) {
        showMessage(7, kStartListFileName);
        return false;
    }
    changed_ = false;
    return true;
}

} // namespace trop
