#include "stage_dialog.h"

#include "dialog_parts.h"
#include "stage_dialog_flow.h"
#include "trop/ui/text_codec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace trop {

namespace {

// Each field accepts as many characters as its record field is wide.
template <std::size_t N>
QLineEdit* createParamField(QWidget* parent, const char (&field)[N], const QString& name)
{
    QLineEdit* edit = createTextField(parent, static_cast<int>(N), name);
    edit->setText(fieldToQString(field));
    return edit;
}

} // namespace

StageDialog::StageDialog(StageDialogFlow& flow, QWidget* parent) : QDialog(parent), flow_(flow)
{
    setWindowTitle(fromUtf8(flow_.title()));
    const StageParams& params = flow_.params();
    stageNumber_ = createTextField(this, 2, "Nr etapu");
    stageNumber_->setText(fromUtf8(flow_.stageNumberText()));
    stageNumber_->setReadOnly(!flow_.isNew());
    stageNumber_->setMaximumWidth(48);
    author_ = createParamField(this, params.author, "Autor");
    names_[0] = createParamField(this, params.name1, "Nazwa");
    names_[1] = createParamField(this, params.name2, "Nazwa, wiersz 2");
    names_[2] = createParamField(this, params.name3, "Nazwa, wiersz 3");
    timeLimit_ = createParamField(this, params.timeLimitText, "Limit czasu");
    lateLimit_ = createParamField(this, params.lateLimitText, QString::fromUtf8("Limit spóźnień"));
    routeLength_ = createParamField(this, params.routeLengthText, QString::fromUtf8("Długość trasy"));
    climb_ = createParamField(this, params.climbText, QString::fromUtf8("Suma podejść"));
    mapScale_ = createParamField(this, params.mapScaleText, "Skala mapy   1 : ");
    contour_ = createParamField(this, params.contourText, "e = ");
    mos_ = createParamField(this, params.mosText, "MOS");

    auto* top = new QFormLayout;
    top->addRow("Nr etapu", stageNumber_);
    top->addRow("Autor", author_);
    top->addRow("Nazwa", names_[0]);
    top->addRow("", names_[1]);
    top->addRow("", names_[2]);
    for (QLineEdit* field : {author_, names_[0], names_[1], names_[2]})
        field->setMinimumWidth(360);

    // Limits and route figures two to a row, the map data on one row.
    struct Figure {
        const char* text;
        QLineEdit* field;
        int row;
        int column;
    };
    const Figure figures[] = {{"Limit czasu", timeLimit_, 0, 0},   {"Limit spóźnień", lateLimit_, 0, 1},
                              {"Długość trasy", routeLength_, 1, 0}, {"Suma podejść", climb_, 1, 1},
                              {"Skala mapy   1 : ", mapScale_, 2, 0}, {"e = ", contour_, 2, 1},
                              {"MOS", mos_, 2, 2}};
    auto* grid = new QGridLayout;
    for (const Figure& figure : figures) {
        auto* label = new QLabel(QString::fromUtf8(figure.text), this);
        label->setBuddy(figure.field);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, figure.row, figure.column * 2);
        grid->addWidget(figure.field, figure.row, figure.column * 2 + 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addWidget(createOkCancelButtons(*this));
    if (!flow_.isNew())
        author_->setFocus();
}

QString StageDialog::stageNumberText() const
{
    return stageNumber_->text();
}

StageParams StageDialog::params() const
{
    StageParams params{};
    setFieldFromQString(params.timeLimitText, timeLimit_->text());
    setFieldFromQString(params.lateLimitText, lateLimit_->text());
    setFieldFromQString(params.author, author_->text());
    setFieldFromQString(params.name1, names_[0]->text());
    setFieldFromQString(params.name2, names_[1]->text());
    setFieldFromQString(params.name3, names_[2]->text());
    setFieldFromQString(params.routeLengthText, routeLength_->text());
    setFieldFromQString(params.climbText, climb_->text());
    setFieldFromQString(params.mapScaleText, mapScale_->text());
    setFieldFromQString(params.contourText, contour_->text());
    setFieldFromQString(params.mosText, mos_->text());
    return params;
}

void StageDialog::accept()
{
    if (flow_.accept(stageNumberText().toStdString(), params()))
        QDialog::accept();
}

} // namespace trop
