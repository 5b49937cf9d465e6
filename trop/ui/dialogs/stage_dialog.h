// "Nowy etap" / edit dialog of a stage: its number and the texts of its
// parameters. OK hands the values to the flow, which checks the number and
// decides whether the dialog closes.
#pragma once

#include "trop/store/header_records.h"

#include <QDialog>

class QLineEdit;

namespace trop {

class StageDialogFlow;

class StageDialog : public QDialog {
    Q_OBJECT
public:
    StageDialog(StageDialogFlow& flow, QWidget* parent = nullptr);

    QString stageNumberText() const;
    // The typed texts as they would be stored.
    StageParams params() const;

    QLineEdit* stageNumberEdit() const { return stageNumber_; }
    QLineEdit* authorEdit() const { return author_; }

    void accept() override;

private:
    StageDialogFlow& flow_;
    QLineEdit* stageNumber_;
    QLineEdit* author_;
    QLineEdit* names_[3];
    QLineEdit* timeLimit_;
    QLineEdit* lateLimit_;
    QLineEdit* routeLength_;
    QLineEdit* climb_;
    QLineEdit* mapScale_;
    QLineEdit* contour_;
    QLineEdit* mos_;
};

} // namespace trop
