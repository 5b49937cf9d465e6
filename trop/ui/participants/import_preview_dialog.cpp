#include "import_preview_dialog.h"

#include "trop/ui/text_codec.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {
namespace {

QTreeWidget* createList(QWidget* parent, const QStringList& titles, const QString& name)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels(titles);
    list->setAccessibleName(name);
    return list;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const ImportPlan& plan, QWidget* parent)
    : QDialog(parent)
    , issues_(createList(this, {"Wiersz", "Uwaga"}, QString::fromUtf8("Błędy i ostrzeżenia")))
    , members_(createList(this, {"Wiersz", "Nr", QString::fromUtf8("Nazwisko i Imię"), "Rok", "Klub",
                                 QString::fromUtf8("Miejscowość")},
                          "Uczestnicy do dodania"))
{
    setWindowTitle(QString::fromUtf8("Import uczestników"));
    setSizeGripEnabled(true);
    auto* summary = new QLabel(fromUtf8(importSummary(plan)), this);
    summary->setWordWrap(true);
    fillIssues(plan);
    fillMembers(plan);

    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton("Dodaj", QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton("Anuluj", QDialogButtonBox::RejectRole);
    add_->setEnabled(plan.accepted());
    (plan.accepted() ? add_ : cancel)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(issues_, 1);
    layout->addWidget(members_, 2);
    layout->addWidget(buttons);
    issues_->setVisible(issues_->topLevelItemCount() > 0);
    members_->setVisible(members_->topLevelItemCount() > 0);
    resize(760, 480);
}

void ImportPreviewDialog::fillIssues(const ImportPlan& plan)
{
    auto add = [this](const ImportIssue& issue, const char* kind) {
        auto* item = new QTreeWidgetItem(issues_);
        item->setText(0, QString::number(issue.line));
        item->setText(1, QString::fromUtf8(kind) + fromUtf8(issue.text));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (const ImportIssue& issue : plan.errors)
        add(issue, "Błąd: ");
    for (const ImportIssue& issue : plan.warnings)
        add(issue, "Ostrzeżenie: ");
    issues_->setColumnWidth(0, 60);
}

void ImportPreviewDialog::fillMembers(const ImportPlan& plan)
{
    if (!plan.errors.empty())
        return;
    QList<QTreeWidgetItem*> items;
    for (std::size_t i = 0; i < plan.members.size(); ++i) {
        const MemberRecord& member = plan.members[i];
        auto* item = new QTreeWidgetItem;
        item->setText(0, QString::number(plan.memberLines[i]));
        item->setText(1, QString::number(member.teamNumber));
        item->setText(2, fieldToQString(member.surname) + " " + fieldToQString(member.firstName));
        item->setText(3, member.birthYearSet == 1 ? QString::number(member.birthYear) : QString());
        item->setText(4, fieldToQString(member.club));
        item->setText(5, fieldToQString(member.town));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    members_->addTopLevelItems(items);
    const int widths[] = {60, 50, 200, 50, 180, 140};
    for (int c = 0; c < 6; ++c)
        members_->setColumnWidth(c, widths[c]);
}

} // namespace trop
