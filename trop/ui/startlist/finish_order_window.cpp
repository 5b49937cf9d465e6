#include "trop/ui/startlist/finish_order_window.h"

#include "trop/ui/navigation/nested_window_state.h"
#include "trop/ui/results/report_list.h"
#include "trop/ui/results/results_cell_delegate.h"
#include "trop/ui/startlist/finish_order_rules.h"
#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/marker_colour.h"

#include <QColor>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace trop {
namespace {

constexpr int kFinishColumn = 0;
constexpr int kTeamColumn = 1;
constexpr int kSurnamesColumn = 2;
constexpr int kFirstBoxColumn = 3;

std::vector<ReportColumn> finishOrderColumns(const QWidget* list)
{
    std::vector<ReportColumn> columns = {
        {QStringLiteral("Meta "), scaledColumnWidth(list, 40), Qt::AlignRight},
        {QStringLiteral("Nr "), scaledColumnWidth(list, 30), Qt::AlignRight},
        {QString::fromUtf8("Zespół"), scaledColumnWidth(list, 100), Qt::AlignLeft},
    };
    for (int b = 0; b < kFinishOrderBoxColumns; ++b)
        columns.push_back({QString(), scaledColumnWidth(list, 40), Qt::AlignRight});
    return columns;
}

} // namespace

FinishOrderWindow::FinishOrderWindow(const FinishOrderRules& rules, const QString& title, QWidget* parent)
    : QDialog(parent)
    , list_(createReportList(this, title))
{
    setWindowTitle(title);
    setModal(true);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    list_->setAccessibleDescription(QString::fromUtf8("Kolejność zespołów na mecie"));
    setReportColumns(list_, finishOrderColumns(list_));
    fillRows(rules);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(list_);
    resize(qMin(reportWidth(list_) + 40, 1200), 480);
    list_->setFocus();
}

void FinishOrderWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    followNestedWindowState(*this, event);
}

void FinishOrderWindow::fillRows(const FinishOrderRules& rules)
{
    QList<QTreeWidgetItem*> items;
    for (const FinishOrderRow& row : rules.rows()) {
        auto* item = new QTreeWidgetItem;
        item->setData(kFinishColumn, Qt::UserRole, row.cardIndex);
        item->setText(kFinishColumn, fromCp1250(row.finish));
        item->setText(kTeamColumn, fromCp1250(row.team));
        item->setText(kSurnamesColumn, fromCp1250(row.surnames));
        item->setTextAlignment(kFinishColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kTeamColumn, Qt::AlignRight | Qt::AlignVCenter);
        for (int b = 0; b < kFinishOrderBoxColumns; ++b) {
            const FinishOrderBox& box = row.boxes[b];
            item->setTextAlignment(kFirstBoxColumn + b, Qt::AlignLeft | Qt::AlignVCenter);
            if (!box.shown)
                continue;
            item->setText(kFirstBoxColumn + b, fromCp1250(box.code));
            item->setData(kFirstBoxColumn + b, ResultsCellDelegate::kSquareColourRole, markerColour(box.colour));
        }
        items << item;
    }
    list_->addTopLevelItems(items);
    if (!items.isEmpty())
        list_->setCurrentItem(items.constFirst());
}

void openFinishOrderWindow(QWidget* parent, const std::filesystem::path& stageFolder, const MemberTable* members,
                           const QString& title)
{
    const FinishOrderRules rules = FinishOrderRules::open(stageFolder, members);
    if (rules.closesAtOnce())
        return;
    FinishOrderWindow window(rules, title, parent);
    window.exec();
}

} // namespace trop
