#include "card_box_cell.h"

#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/code_button.h"

#include <QGridLayout>
#include <QLabel>

namespace trop {
namespace {

QLabel* smallLabel(QWidget* parent, const QString& accessibleName)
{
    auto* label = new QLabel(parent);
    label->setAccessibleName(accessibleName);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("WWWWWW"));
    return label;
}

} // namespace

QString boxButtonName(int box, const QString& code)
{
    const QString name = QString("Pole %1").arg(box + 1);
    return code.isEmpty() ? name : name + " " + code;
}

CardBoxCell::CardBoxCell(int box, QWidget* parent)
    : QFrame(parent)
    , box_(box)
    , button_(createCodeButton(this, box, QString()))
    , cardDescription_(smallLabel(this, "Opis na karcie"))
    , correctDescription_(smallLabel(this, "Pawidłowy opis"))
    , marks_(smallLabel(this, "Ocena"))
    , penalty_(smallLabel(this, "Punkty karne"))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* number = new QLabel(QString::number(box + 1), this);
    number->setStyleSheet("color: blue;");
    penalty_->setStyleSheet("color: red;");
    penalty_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int side = fontMetrics().height() * 2;
    button_->setFixedSize(side, side);
    button_->setAccessibleName(boxButtonName(box_, QString()));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(1);
    layout->addWidget(number, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(button_, 1, 0, 2, 1);
    layout->addWidget(cardDescription_, 0, 1);
    layout->addWidget(correctDescription_, 1, 1);
    layout->addWidget(marks_, 2, 1);
    layout->addWidget(penalty_, 2, 2);
}

void CardBoxCell::display(const BoxView& view)
{
    const QString code = fromCp1250(view.code);
    setCodeButtonText(button_, code);
    button_->setAccessibleName(boxButtonName(box_, code));
    setCodeButtonColour(button_, view.colour);
    cardDescription_->setText(fromCp1250(view.cardDescription));
    correctDescription_->setText(fromCp1250(view.correctDescription));
    marks_->setText(fromCp1250(view.marks));
    penalty_->setText(fromCp1250(view.penalty));
}

} // namespace trop
