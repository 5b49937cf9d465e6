// Checks and pictures shared by the widget tests.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace trop::test {

// Every control a user types into or presses can be named by assistive
// tools (its own accessible name, its text or a label pointing at it), and
// every button that can be pressed takes the focus from the keyboard. A
// button kept hidden is no control the user meets.
inline void verifyEveryControlIsNamed(QWidget& window)
{
    QSet<QWidget*> labelled;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            labelled.insert(label->buddy());
    for (QLineEdit* edit : window.findChildren<QLineEdit*>())
        QVERIFY2(!edit->accessibleName().isEmpty() || labelled.contains(edit), qPrintable(edit->text()));
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window))
            continue;
        QVERIFY(!button->text().isEmpty() || !button->accessibleName().isEmpty());
        QVERIFY(!button->isEnabled() || (button->focusPolicy() & Qt::TabFocus));
    }
}

// Saves a picture of the window when TROP_GRAB_DIR names a folder.
inline void grabIfAsked(QWidget& window, const QString& name)
{
    const QByteArray folder = qgetenv("TROP_GRAB_DIR");
    if (!folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace trop::test
