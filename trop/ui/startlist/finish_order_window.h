// The finish order view of a stage: the entered cards by finish time, with
// the codes of boxes 1..20 drawn as colour squares with their codes.
#pragma once

#include <QDialog>

#include <filesystem>

class QTreeWidget;

namespace trop {

class FinishOrderRules;
struct MemberTable;

class FinishOrderWindow : public QDialog {
    Q_OBJECT
public:
    FinishOrderWindow(const FinishOrderRules& rules, const QString& title, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillRows(const FinishOrderRules& rules);

    QTreeWidget* list_;
};

// Opens the view for the stage, modal. Nothing is shown when the stage's
// files cannot be read (message 7). members may be nullptr.
void openFinishOrderWindow(QWidget* parent, const std::filesystem::path& stageFolder, const MemberTable* members,
                           const QString& title);

} // namespace trop
