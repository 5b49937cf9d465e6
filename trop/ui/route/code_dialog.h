// The code dialog: one code-table entry's code and colour. Used by the
// control points editor and, through addCodeWithDialog, by card entry.
#pragma once

#include "code_dialog_flow.h"
#include "trop/model/stage_definition.h"
#include "trop/store/custom_colours.h"

#include <QDialog>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace trop {

class CodeDialog : public QDialog {
    Q_OBJECT
public:
    // `colours` are the 16 custom colours that the colour picker shows; what
    // the user changes among them there is kept in them.
    CodeDialog(CodeDialogFlow& flow, CustomColours& colours, QWidget* parent = nullptr);

    QLineEdit* codeEdit() const { return code_; }
    QPushButton* colourField() const { return colourField_; }
    void setColour(std::uint32_t colour); // 0x00BBGGRR

    void accept() override;

private:
    void pickColour();

    CodeDialogFlow& flow_;
    CustomColours& colours_;
    QPushButton* colourField_;
    QLineEdit* code_;
};

// Runs the code dialog on `code` and `colour` over `parent`; the accepted code
// and colour, or nothing on "Anuluj".
std::optional<CodeChoice> runCodeDialog(QWidget* parent, const StageDefinition& stage, const std::string& code,
                                        std::uint32_t colour, CustomColours& colours);

// Card entry's way to add an unknown code: the dialog opens on the typed text
// (code page 1250) in white. On OK the code becomes a new entry at the end of
// the code table and "Stage.Definition" is saved in `stageFolder`. Returns
// the new entry's index; nothing when the table is full (168 codes, no
// dialog), on "Anuluj", or when saving fails (message 7 shown, entry taken
// back so memory matches the file).
std::optional<int> addCodeWithDialog(QWidget* parent, const std::filesystem::path& stageFolder,
                                     StageDefinition& stage, const std::string& typedCodeCp1250,
                                     CustomColours& colours);

} // namespace trop
