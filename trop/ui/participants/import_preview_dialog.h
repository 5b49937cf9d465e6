// "Import uczestników": what a spreadsheet file would add (the members with
// their lines) and every error and warning with its line. "Dodaj" is offered
// only when the file is accepted; "Anuluj" adds nothing.
#pragma once

#include "trop/exchange/members_csv_import.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace trop {

class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    ImportPreviewDialog(const ImportPlan& plan, QWidget* parent = nullptr);

    QTreeWidget* issues() const { return issues_; }
    QTreeWidget* members() const { return members_; }
    QPushButton* addButton() const { return add_; }

private:
    void fillIssues(const ImportPlan& plan);
    void fillMembers(const ImportPlan& plan);

    QTreeWidget* issues_;
    QTreeWidget* members_;
    QPushButton* add_;
};

} // namespace trop
