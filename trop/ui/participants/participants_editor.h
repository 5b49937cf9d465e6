// The participants editor window: the rows of its rules in a report list,
// the popup "Edytuj", "Wytnij", "Wstaw", "Zamknij", and the member dialog.
// Everything a command means is decided by ParticipantsEditorRules.
#pragma once

#include "participants_editor_rules.h"

#include <QDialog>

class QMenu;

namespace trop {

class ParticipantsList;

class ParticipantsEditor : public QDialog {
    Q_OBJECT
public:
    // rules must be open (ParticipantsEditorRules::open returned true).
    ParticipantsEditor(ParticipantsEditorRules& rules, QWidget* parent = nullptr);

    ParticipantsList* list() const { return list_; }

    // The popup that a menu request on row shows (-1: the empty space).
    // Owned by the caller.
    QMenu* createMenu(int row);

    // Esc, "Zamknij" and the close box close through the rules' question;
    // the window stays when the rules refuse.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void showRows();
    void run(EditorCommand command, int row);
    void showMenu(int row, const QPoint& globalPos);

    ParticipantsEditorRules& rules_;
    ParticipantsList* list_;
};

// The editor's dialogs over the active modal window: the member dialog,
// the file dialogs for spreadsheet files and the import preview.
class QtParticipantsHost : public ParticipantsEditorHost {
public:
    explicit QtParticipantsHost(std::string categoryName = {}) : categoryName_(std::move(categoryName)) {}

    bool runMemberDialog(MemberDialogFlow& flow) override;
    std::filesystem::path chooseImportFile() override;
    std::filesystem::path chooseExportFile() override;
    bool confirmImport(const ImportPlan& plan) override;

private:
    std::string categoryName_; // the export's suggested file name
};

// Opens the editor of the category modally over parent, with its own rules
// and table. A category whose members cannot be read shows message 7 only.
void openParticipantsEditorWindow(QWidget* parent, const CategoryContext& category);

} // namespace trop
