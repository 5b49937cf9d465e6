#include "member_fields.h"

#include "trop/store/fixed_text.h"

namespace trop {
namespace {

// Calls use(field array) on the array behind the field.
template <typename Record, typename Use>
decltype(auto) withField(Record& member, MemberField field, Use&& use)
{
    switch (field) {
    case MemberField::Surname:
        return use(member.surname);
    case MemberField::FirstName:
        return use(member.firstName);
    case MemberField::Club:
        return use(member.club);
    case MemberField::EntryFee:
        return use(member.entryFee);
    case MemberField::PostCode:
        return use(member.postCode);
    case MemberField::Town:
        return use(member.town);
    case MemberField::Street:
        return use(member.street);
    case MemberField::Remarks:
        break;
    }
    return use(member.remarks);
}

} // namespace

int memberFieldCapacity(MemberField field)
{
    const MemberRecord probe{};
    return withField(probe, field, [](const auto& array) { return static_cast<int>(sizeof array) - 1; });
}

std::string_view memberFieldText(const MemberRecord& member, MemberField field)
{
    return withField(member, field, [](const auto& array) { return fieldText(array); });
}

void setMemberFieldText(MemberRecord& member, MemberField field, std::string_view text)
{
    withField(member, field, [text](auto& array) { setFieldText(array, text); });
}

} // namespace trop
