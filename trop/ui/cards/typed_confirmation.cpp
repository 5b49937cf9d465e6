#include "typed_confirmation.h"

#include "trop/model/record_bounds.h"
#include "trop/model/stage_file.h"
#include "trop/store/cp1250.h"

namespace trop {

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<int> findTypedCode(const StageDefinition& stage, std::string_view typed)
{
    const std::string_view text = trimBlanks(typed);
    const int count = usedCodeCount(stage);
    for (int i = 0; i < count; ++i)
        if (codeText(stage, i) == text)
            return i;
    const std::string upper = cp1250ToUpper(text);
    const std::string lower = cp1250ToLower(text);
    for (int i = 0; i < count; ++i)
        if (codeText(stage, i) == upper || codeText(stage, i) == lower)
            return i;
    return std::nullopt;
}

TypedDescription readTypedDescription(std::string_view typed)
{
    const std::string text = cp1250ToUpper(trimBlanks(typed));
    TypedDescription description;
    std::size_t prefix = leadingSpellingLength(text, lopSpellings);
    if (prefix > 0) {
        description.isLop = true;
    } else {
        prefix = leadingSpellingLength(text, areaSpellings);
        description.isArea = prefix > 0;
    }
    description.text = std::string(trimBlanks(std::string_view(text).substr(prefix)).substr(0, kTypedDescriptionLength));
    return description;
}

std::string readDescriptionField(std::string_view typed)
{
    return cp1250ToUpper(trimBlanks(typed).substr(0, kDescriptionFieldLength));
}

} // namespace trop
