// "Class.Members.Data" as the input: load it, then use the table the way the
// participants editor, the start list and the printouts do.
#include "fuzz_folder.h"

#include "trop/model/members.h"
#include "trop/store/fixed_text.h"

#include <memory>

using namespace trop;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path& folder = fuzz::scratchFolder();
    fuzz::writeInput(folder / kMembersFileName, data, size);

    static auto table = std::make_unique<MemberTable>();
    const int count = loadMembers(folder, *table);
    fuzz::require(count >= 0 && count <= kMaxMembers, "member count within the table");

    std::size_t labelBytes = 0;
    for (int team : teamNumbers(*table))
        labelBytes += teamLabel(*table, team).size();
    fuzz::require(labelBytes <= static_cast<std::size_t>(count) * (31 + 1 + 31 + 6), "labels stay in their fields");

    MemberRecord added{};
    added.teamNumber = count > 0 ? table->records[count / 2].teamNumber : 1;
    setFieldText(added.surname, "Fuzz");
    const int slot = insertMember(*table, added);
    fuzz::require(added.teamNumber < 1 ? slot == -1 : (slot == -1) == (count == kMaxMembers), "insertion refused only when full");
    if (slot >= 0) {
        fuzz::require(memberCount(*table) == count + 1, "insertion adds one member");
        removeMember(*table, slot);
    }
    removeMember(*table, count);
    removeMember(*table, -count - 1);

    fuzz::require(saveMembers(folder, *table), "save");
    const int saved = memberCount(*table);
    fuzz::require(loadMembers(folder, *table) == saved, "reload gives the saved count");
    return 0;
}
