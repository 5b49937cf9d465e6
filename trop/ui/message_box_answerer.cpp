#include "message_box_answerer.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace trop {

MessageBoxLook messageBoxLook(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Error:
        return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
    case MessageStyle::Notice:
        return {QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok};
    case MessageStyle::Question:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    case MessageStyle::QuestionYes:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case MessageStyle::QuestionCancel:
        return {QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    }
    return {QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok};
}

QMessageBox* createMessageBox(const MessageRequest& request, QWidget* parent)
{
    const MessageBoxLook look = messageBoxLook(request.style);
    auto* box = new QMessageBox(look.icon, QString::fromUtf8(kMessageCaption), QString::fromStdString(request.text),
                                look.buttons, parent);
    box->setDefaultButton(look.defaultButton);
    box->setEscapeButton(look.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                         : look.buttons.testFlag(QMessageBox::No) ? QMessageBox::No
                                                                  : QMessageBox::Ok);
    return box;
}

MessageAnswer answerWithMessageBox(const MessageRequest& request)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    std::unique_ptr<QMessageBox> box(createMessageBox(request, parent));
    QApplication::beep();
    switch (box->exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

void installMessageBoxAnswerer()
{
    setMessageAnswerer(answerWithMessageBox);
}

bool installPolishQtTranslation(QCoreApplication& app, QTranslator& translator)
{
    if (!translator.load(QLocale(QLocale::Polish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&translator);
}

} // namespace trop
