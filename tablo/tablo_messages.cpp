#include "tablo/tablo_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace tablo {
namespace {

QMessageBox::Icon iconOf(trop::MessageStyle style)
{
    switch (style) {
    case trop::MessageStyle::Error:
        return QMessageBox::Critical;
    case trop::MessageStyle::Notice:
        return QMessageBox::Information;
    default:
        return QMessageBox::Question;
    }
}

} // namespace

trop::MessageAnswer answerInMessageBox(const trop::MessageRequest& request)
{
    const bool question =
        request.style == trop::MessageStyle::Question || request.style == trop::MessageStyle::QuestionYes;
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(iconOf(request.style), QString::fromUtf8(kTabloCaption), QString::fromStdString(request.text),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (question)
        box.setDefaultButton(request.style == trop::MessageStyle::QuestionYes ? QMessageBox::Yes : QMessageBox::No);
    QApplication::beep();
    switch (box.exec()) {
    case QMessageBox::Yes:
        return trop::MessageAnswer::Yes;
    case QMessageBox::No:
        return trop::MessageAnswer::No;
    default:
        return trop::MessageAnswer::Ok;
    }
}

void installTabloMessageBoxes()
{
    trop::setMessageAnswerer(answerInMessageBox);
}

} // namespace tablo
