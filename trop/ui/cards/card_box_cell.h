// One box of the card entry window: its number in blue in the corner, the
// colour button with the code, the card and the correct description, the
// kind and marks, and the penalty in red.
#pragma once

#include "card_view.h"

#include <QFrame>

class QLabel;

namespace trop {

class CardBoxCell : public QFrame {
    Q_OBJECT
public:
    CardBoxCell(int box, QWidget* parent);

    QWidget* button() const { return button_; }
    void display(const BoxView& view);

private:
    int box_;
    QWidget* button_;
    QLabel* cardDescription_;
    QLabel* correctDescription_;
    QLabel* marks_;
    QLabel* penalty_;
};

// The accessible name of box n's button: "Pole n", followed by its code.
QString boxButtonName(int box, const QString& code);

} // namespace trop
