#include "participants_editor_rules.h"

#include "member_dialog_flow.h"
#include "trop/exchange/members_csv_export.h"
#include "trop/exchange/members_csv_import.h"
#include "trop/model/results.h"
#include "trop/model/stages_with_results.h"
#include "trop/store/competition_store.h"
#include "trop/store/file_io.h"
#include "trop/store/messages.h"


namespace trop {

using namespace participants_text;

ParticipantsEditorRules::ParticipantsEditorRules(const CategoryContext& category, MemberTable& table,
                                                 ParticipantsEditorHost& host, int currentYear, TreeRemover remover)
    : category_(category), table_(table), host_(host), currentYear_(currentYear), remover_(std::move(remover))
{
}

bool ParticipantsEditorRules::open()
{
    count_ = loadMembers(category_.categoryFolder, table_);
    if (count_ < 0) {
        showMessage(7, kMembersFileName);
        return false;
    }
    loaded_ = true;
    rebuild();
    askAboutStageResults();
    return true;
}

void ParticipantsEditorRules::askAboutStageResults()
{
    const std::vector<int> stages = stagesWithResults(category_.categoryFolder);
    if (stages.empty())
        return;
    std::string names;
    for (int stage : stages)
        names += (names.empty() ? "" : ", ") + stageFolderName(stage);
    restricted_ = true;
    if (showMessage(15, names) != MessageAnswer::Yes)
        return;
    restricted_ = false;
    for (int stage : stages) {
        const std::filesystem::path relative = std::filesystem::path(stageFolderName(stage)) / kResultsFileName;
        if (!remover_.removeFile(category_.categoryFolder / relative)) {
            showMessage(3, relative.string());
            restricted_ = true;
        }
    }
}

std::string ParticipantsEditorRules::title() const
{
    return category_.competitionName + "      kategoria  " + category_.categoryDisplayName;
}

std::string ParticipantsEditorRules::cellText(int row, ParticipantColumn column) const
{
    return isRow(row) ? participantCellText(table_, rows_[row], column) : std::string();
}

void ParticipantsEditorRules::select(int row)
{
    if (isRow(row))
        selectedRow_ = row;
}

bool ParticipantsEditorRules::isMemberRow(int row) const
{
    return isRow(row) && rows_[row].rowTeam != kInertRow && !rows_[row].isSlotRow && rows_[row].rowMember >= 0 &&
           rows_[row].rowMember < count_;
}

bool ParticipantsEditorRules::soleMemberOfTeam(int slot) const
{
    const int team = table_.records[slot].teamNumber;
    const bool before = slot > 0 && table_.records[slot - 1].teamNumber == team;
    const bool after = slot + 1 < count_ && table_.records[slot + 1].teamNumber == team;
    return !before && !after;
}

bool ParticipantsEditorRules::canEdit(int row) const
{
    return isRow(row) && rows_[row].rowTeam != kInertRow;
}

bool ParticipantsEditorRules::canCut(int row) const
{
    return isMemberRow(row) && !(restricted_ && soleMemberOfTeam(rows_[row].rowMember));
}

bool ParticipantsEditorRules::canInsert(int row) const
{
    return canEdit(row) && rows_[row].isSlotRow && clipboard_.has_value();
}

std::vector<EditorMenuEntry> ParticipantsEditorRules::menuFor(int target) const
{
    return {{EditorCommand::Edit, kEdit, canEdit(target)},
            {EditorCommand::Cut, kCut, canCut(target)},
            {EditorCommand::Insert, kInsert, canInsert(target)},
            {EditorCommand::Import, kImport, loaded_},
            {EditorCommand::Export, kExport, loaded_},
            {EditorCommand::Close, kClose, true}};
}

bool ParticipantsEditorRules::edit(int row)
{
    if (!canEdit(row))
        return false;
    const ParticipantRow& target = rows_[row];
    const bool isNew = target.isSlotRow;
    if (isNew && count_ >= kMaxMembers)
        return false;
    MemberDialogFlow flow(isNew ? freshMember(target.rowTeam) : table_.records[target.rowMember],
                          category_.categoryDisplayName, currentYear_);
    if (!host_.runMemberDialog(flow))
        return false;
    if (isNew)
        insertMember(table_, flow.record());
    else
        table_.records[target.rowMember] = flow.record();
    changed(row + 1);
    return true;
}

bool ParticipantsEditorRules::cut(int row)
{
    if (!canCut(row))
        return false;
    const int slot = rows_[row].rowMember;
    clipboard_ = table_.records[slot];
    removeMember(table_, slot);
    changed(row > 0 ? row - 1 : 0);
    return true;
}

bool ParticipantsEditorRules::insert(int row)
{
    if (!canInsert(row) || count_ >= kMaxMembers)
        return false;
    MemberRecord member = *clipboard_;
    member.teamNumber = rows_[row].rowTeam;
    if (insertMember(table_, member) < 0)
        return false;
    clipboard_.reset();
    changed(row + 1);
    return true;
}

bool ParticipantsEditorRules::importMembers()
{
    if (!loaded_)
        return false;
    if (restricted_) {
        std::string names;
        for (int stage : stagesWithResults(category_.categoryFolder))
            names += (names.empty() ? "" : ", ") + stageFolderName(stage);
        if (!names.empty()) {
            showMessageText(importRefusedForResultsMessage(names), MessageStyle::Notice);
            return false;
        }
    }
    const std::filesystem::path file = host_.chooseImportFile();
    if (file.empty())
        return false;
    const std::optional<std::string> bytes = readMembersFile(file);
    if (!bytes) {
        showMessage(7, file.string());
        return false;
    }
    const ImportPlan plan =
        planMemberImport(*bytes, table_, count_, category_.categoryDisplayName, currentYear_);
    if (!host_.confirmImport(plan) || !plan.accepted() || !applyMemberImport(plan, table_))
        return false;
    changed(selectedRow_);
    return true;
}

void ParticipantsEditorRules::exportMembers()
{
    const std::filesystem::path file = host_.chooseExportFile();
    if (file.empty())
        return;
    if (!writeFileAtomically(file, exportMembersCsv(table_, count_)))
        showMessage(6, file.string());
}

bool ParticipantsEditorRules::close()
{
    if (!loaded_ || !modified_)
        return true;
    if (showMessage(10) == MessageAnswer::Yes) {
        if (!saveMembers(category_.categoryFolder, table_)) {
            showMessage(7, kMembersFileName);
            return false;
        }
    } else if (loadMembers(category_.categoryFolder, table_) < 0) {
        showMessage(7, kMembersFileName);
    }
    modified_ = false;
    rebuild();
    return true;
}

void ParticipantsEditorRules::changed(int newSelectedRow)
{
    modified_ = true;
    selectedRow_ = newSelectedRow;
    rebuild();
}

void ParticipantsEditorRules::rebuild()
{
    count_ = trop::memberCount(table_);
    rows_ = buildParticipantRows(table_, count_);
    if (selectedRow_ >= static_cast<int>(rows_.size()))
        selectedRow_ = static_cast<int>(rows_.size()) - 1;
    if (selectedRow_ < 0)
        selectedRow_ = 0;
}

} // namespace trop
