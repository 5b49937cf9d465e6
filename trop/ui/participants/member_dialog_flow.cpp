#include "member_dialog_flow.h"

#include "trop/model/members.h"
#include "trop/store/messages.h"
#include "trop/ui/dialogs/integer_entry.h"

#include <optional>

namespace trop {

MemberDialogFlow::MemberDialogFlow(const MemberRecord& record, std::string categoryName, int currentYear)
    : record_(record), categoryName_(std::move(categoryName)), currentYear_(currentYear)
{
}

std::string MemberDialogFlow::title() const
{
    return "Drużyna nr " + std::to_string(record_.teamNumber);
}

std::string MemberDialogFlow::yearText() const
{
    return record_.birthYearSet == 1 ? std::to_string(record_.birthYear % 100) : std::string();
}

bool MemberDialogFlow::accept(const TypedMember& typed)
{
    MemberRecord result = record_;
    const bool hasYear = typed.yearText.find_first_not_of(' ') != std::string::npos;
    if (hasYear) {
        // Two digits are typed; a damaged stored year may show as a negative one.
        const std::optional<int> digits = readIntegerField(typed.yearText, -99, 99);
        if (!digits)
            return false;
        result.birthYear = birthYearFromDigits(*digits, currentYear_);
        if (const std::optional<int> limit = ageCheckFails(categoryName_, result.birthYear, currentYear_))
            if (showMessage(23, *limit, categoryName_) != MessageAnswer::Yes)
                return false;
    }
    result.birthYearSet = hasYear ? 1 : 0;
    for (std::size_t i = 0; i < kMemberFields.size(); ++i)
        setMemberFieldText(result, kMemberFields[i], typed.texts[i]);
    record_ = result;
    return true;
}

MemberRecord freshMember(int teamNumber)
{
    MemberRecord member{};
    member.teamNumber = teamNumber;
    return member;
}

} // namespace trop
