// "Drużyna nr %d": the nine fields of one member, "Zapisz" and "Anuluj".
// Typing is limited to what the record field holds in code page 1250; a
// stored text is shown and written back whole. "Zapisz" hands the texts to
// the flow, which decides whether the dialog closes.
#pragma once

#include "member_dialog_flow.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace trop {

class MemberDialog : public QDialog {
    Q_OBJECT
public:
    MemberDialog(MemberDialogFlow& flow, QWidget* parent = nullptr);

    // The field of a text, and the year field ("Rocznik").
    QLineEdit* field(MemberField which) const;
    QLineEdit* yearField() const { return year_; }

    void accept() override;

private:
    TypedMember typed() const;

    MemberDialogFlow& flow_;
    std::array<QLineEdit*, kMemberFields.size()> fields_{};
    QLineEdit* year_ = nullptr;
};

// Labels of the fields as the dialog shows them, UTF-8.
const char* memberFieldLabel(MemberField field);

} // namespace trop
