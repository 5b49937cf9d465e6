// Member tables and a scripted member dialog for the participants editor tests.
#pragma once

#include "navigation_fakes.h"
#include "trop/exchange/members_csv_import.h"
#include "trop/store/fixed_text.h"
#include "trop/ui/participants/member_dialog_flow.h"
#include "trop/ui/participants/participants_editor_rules.h"

#include <functional>
#include <memory>
#include <vector>

namespace trop::test {

inline MemberRecord memberOf(int team, const char* surname, const char* firstName = "Jan")
{
    MemberRecord record = freshMember(team);
    setFieldText(record.surname, surname);
    setFieldText(record.firstName, firstName);
    return record;
}

// Members of the given teams, one per entry, named "m<slot>".
inline std::unique_ptr<MemberTable> tableOfTeams(const std::vector<int>& teams)
{
    auto table = std::make_unique<MemberTable>();
    for (std::size_t i = 0; i < teams.size(); ++i)
    {
        std::string name = std::to_string(i);
        name.insert(name.begin(), 'm');
        table->records[i] = memberOf(teams[i], name.c_str());
    }
    return table;
}

// Answers each member dialog with a script (without one the dialog is
// cancelled), chooses the files set here and confirms imports as told.
class ScriptedDialogs : public ParticipantsEditorHost {
public:
    std::function<bool(MemberDialogFlow&)> script;
    std::vector<std::string> titles;
    std::filesystem::path importFile, exportFile;
    bool confirm = true;
    std::vector<ImportPlan> previews;

    bool runMemberDialog(MemberDialogFlow& flow) override
    {
        titles.push_back(flow.title());
        return script && script(flow);
    }
    std::filesystem::path chooseImportFile() override { return importFile; }
    std::filesystem::path chooseExportFile() override { return exportFile; }
    bool confirmImport(const ImportPlan& plan) override
    {
        previews.push_back(plan);
        return confirm;
    }
};

// A typed member with only a surname and a year field.
inline TypedMember typedMember(const std::string& surname, const std::string& year = "")
{
    TypedMember typed;
    typed.texts[0] = surname;
    typed.yearText = year;
    return typed;
}

inline CategoryContext categoryAt(const std::filesystem::path& folder, const std::string& name = "TP")
{
    CategoryContext category;
    category.categoryFolder = folder;
    category.competitionFolder = folder.parent_path();
    category.competitionName = "Wrzos";
    category.categoryFolderName = name;
    category.categoryDisplayName = name;
    return category;
}

} // namespace trop::test
