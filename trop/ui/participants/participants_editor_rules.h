// What the participants editor shows and does, without widgets: the rows
// built from the shared member table, which command is enabled on which row,
// the commands with their clipboard, the restricted mode kept while stage
// results exist, and the questions on opening and closing. The window only
// shows the rows and forwards the user's requests; tests drive this directly.
#pragma once

#include "participant_rows.h"
#include "trop/store/delete_tree.h"
#include "trop/ui/navigation/window_opener.h"

#include <optional>
#include <string>
#include <vector>

namespace trop {

class MemberDialogFlow;
struct ImportPlan;

// The dialogs the editor asks for.
class ParticipantsEditorHost {
public:
    virtual ~ParticipantsEditorHost() = default;
    // The member dialog; true when it closed with "Zapisz".
    virtual bool runMemberDialog(MemberDialogFlow& flow) = 0;
    // The spreadsheet file to read or to write; empty when cancelled.
    virtual std::filesystem::path chooseImportFile() = 0;
    virtual std::filesystem::path chooseExportFile() = 0;
    // Shows what an import would add, or why it adds nothing; true when the
    // user confirms an accepted plan.
    virtual bool confirmImport(const ImportPlan& plan) = 0;
};

enum class EditorCommand { Edit, Cut, Insert, Import, Export, Close };

struct EditorMenuEntry {
    EditorCommand command;
    const char* text; // UTF-8
    bool enabled;
};

class ParticipantsEditorRules {
public:
    // table is the program's shared member table; currentYear is the clock's.
    // remover deletes the stage results files when the user asks for it.
    ParticipantsEditorRules(const CategoryContext& category, MemberTable& table, ParticipantsEditorHost& host,
                            int currentYear, TreeRemover remover = systemTreeRemover());

    // Loads the table (message 7 and false when it cannot be read: the window
    // closes at once), builds the rows and, when stage folders E0..E9 hold
    // "Results", asks message 15: Yes deletes those files (message 3 for each
    // that stays), No keeps them and the editor runs restricted.
    bool open();

    std::string title() const;
    const std::vector<ParticipantRow>& rows() const { return rows_; }
    std::string cellText(int row, ParticipantColumn column) const; // code page 1250
    int memberCount() const { return count_; }

    int selectedRow() const { return selectedRow_; }
    void select(int row);

    bool canEdit(int row) const;
    bool canCut(int row) const;
    bool canInsert(int row) const;
    // The popup for target (-1 or past the rows: the empty space).
    std::vector<EditorMenuEntry> menuFor(int target) const;

    // Each returns true when the table changed and the rows were rebuilt.
    bool edit(int row);   // member dialog: a new member on a slot row, else the member
    bool cut(int row);    // into the clipboard
    bool insert(int row); // the clipboard's member into the row's team
    // "Importuj z pliku...": the members of a spreadsheet file, after the
    // preview. Refused with the reason while stage results exist.
    bool importMembers();
    // "Eksportuj do pliku...": the members as shown, changes included
    // (message 6 when the file cannot be written).
    void exportMembers();

    // Closing: after changes asks message 10; Yes saves, No reloads the file.
    // False when the save failed (message 7): the window stays open with its
    // changes.
    bool close();

    bool modified() const { return modified_; }
    bool restricted() const { return restricted_; }
    bool clipboardFull() const { return clipboard_.has_value(); }

private:
    bool isRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    bool isMemberRow(int row) const;
    bool soleMemberOfTeam(int slot) const;
    void askAboutStageResults();
    void changed(int newSelectedRow);
    void rebuild();

    CategoryContext category_;
    MemberTable& table_;
    ParticipantsEditorHost& host_;
    int currentYear_;
    TreeRemover remover_;

    int count_ = 0;
    std::vector<ParticipantRow> rows_;
    int selectedRow_ = 0;
    std::optional<MemberRecord> clipboard_;
    bool modified_ = false;
    bool restricted_ = false;
    bool loaded_ = false;
};

// Menu texts of the editor.
namespace participants_text {
inline constexpr const char* kEdit = "Edytuj";
inline constexpr const char* kCut = "Wytnij";
inline constexpr const char* kInsert = "Wstaw";
inline constexpr const char* kImport = "Importuj z pliku...";
inline constexpr const char* kExport = "Eksportuj do pliku...";
inline constexpr const char* kClose = "Zamknij";
} // namespace participants_text

} // namespace trop
