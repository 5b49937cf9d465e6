// "Nowe zawody" / edit dialog of a competition: short name, "Termin" and three
// lines of "Pełna nazwa". OK hands the values to the flow, which decides
// whether the dialog closes.
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace trop {

class CompetitionDialogFlow;

class CompetitionDialog : public QDialog {
    Q_OBJECT
public:
    CompetitionDialog(CompetitionDialogFlow& flow, QWidget* parent = nullptr);

    QString shortName() const;
    QString dateText() const;
    QString fullName(int line) const; // line 0..2

    QLineEdit* shortNameEdit() const { return shortName_; }
    QLineEdit* dateEdit() const { return date_; }
    QLineEdit* fullNameEdit(int line) const { return fullNames_.at(line); }

    void accept() override;

private:
    CompetitionDialogFlow& flow_;
    QLineEdit* shortName_;
    QLineEdit* date_;
    std::array<QLineEdit*, 3> fullNames_{};
};

} // namespace trop
