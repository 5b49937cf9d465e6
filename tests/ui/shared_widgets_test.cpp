// Shared widgets: the code page 1250 typing limit and the code button, with
// and without the colour button library.
#include "barwik/host/colour_button_host.h"
#include "trop/ui/cp1250_validator.h"
#include "trop/ui/widgets/code_button.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#ifndef BARWIK_LIBRARY_DIR
#error "BARWIK_LIBRARY_DIR must name the folder holding the built library"
#endif

using namespace trop;

namespace {

// Types each character as a key press carrying it, as a keyboard layout
// with Polish letters would.
void typeText(QWidget* field, const QString& text)
{
    for (QChar character : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

} // namespace

class SharedWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void typingStopsAtTheByteLimit();
    void storedLongerTextIsKeptWhole();
    void charactersOutsideTheCodePageAreRefused();
    void upperCaseTurnsLettersOneByOne();
    void plainButtonAnswersTheKeyboard();
    void colourButtonAnswersTheKeyboardAndAssistiveTools();
};

void SharedWidgetsTest::typingStopsAtTheByteLimit()
{
    QLineEdit field;
    limitToCp1250(&field, 3);
    typeText(&field, QString::fromUtf8("ąbcd"));
    QCOMPARE(field.text(), QString::fromUtf8("ąbc"));
    QVERIFY(field.hasAcceptableInput());
}

void SharedWidgetsTest::storedLongerTextIsKeptWhole()
{
    QLineEdit field;
    limitToCp1250(&field, 3);
    field.setText("ABCDEF");
    QCOMPARE(field.text(), QString("ABCDEF"));
    QVERIFY(field.hasAcceptableInput());
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_G);
    QCOMPARE(field.text(), QString("ABCDEF")); // cannot grow
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString("ABCDE")); // can shrink
}

void SharedWidgetsTest::charactersOutsideTheCodePageAreRefused()
{
    QLineEdit field;
    limitToCp1250(&field, 10);
    typeText(&field, QString::fromUtf8("Łódź→中€"));
    QCOMPARE(field.text(), QString::fromUtf8("Łódź€"));
}

void SharedWidgetsTest::upperCaseTurnsLettersOneByOne()
{
    QLineEdit field;
    limitToCp1250(&field, 3, LetterCase::Upper);
    typeText(&field, QString::fromUtf8("żßa1"));
    QCOMPARE(field.text(), QString::fromUtf8("ŻßA"));
}

namespace {

// Presses, menu requests and the ids they carried.
struct ButtonLog {
    QList<int> clicks;
    QList<int> menus;
};

void verifyKeyboard(QWidget* button, ButtonLog& log)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Menu);
    QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier);
    QTest::keyClick(button, Qt::Key_A); // not a press
    QTRY_COMPARE(log.clicks, (QList<int>{7, 7}));
    QTRY_COMPARE(log.menus, (QList<int>{7, 7}));
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
}

QWidget* makeLoggedButton(QWidget& parent, ButtonLog& log)
{
    QWidget* button = createCodeButton(&parent, 7, "A1");
    onCodeButtonClicked(button, &parent, [&log](int id) { log.clicks << id; });
    onCodeButtonContextRequested(button, &parent, [&log](int id, QPoint) { log.menus << id; });
    return button;
}

} // namespace

// Runs before the library is loaded.
void SharedWidgetsTest::plainButtonAnswersTheKeyboard()
{
    QWidget parent;
    ButtonLog log;
    QWidget* button = makeLoggedButton(parent, log);
    QVERIFY(qobject_cast<QPushButton*>(button));
    parent.show();
    verifyKeyboard(button, log);
    setCodeButtonText(button, "B2");
    QCOMPARE(button->accessibleName(), QString("B2"));
}

void SharedWidgetsTest::colourButtonAnswersTheKeyboardAndAssistiveTools()
{
    QVERIFY(barwik::loadColourButtonLibrary(BARWIK_LIBRARY_DIR));
    QWidget parent;
    ButtonLog log;
    QWidget* button = makeLoggedButton(parent, log);
    QVERIFY(!qobject_cast<QPushButton*>(button));
    parent.show();
    verifyKeyboard(button, log);

    setCodeButtonText(button, "C3");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), QString("C3"));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(log.clicks.size(), 3);
}

QTEST_MAIN(SharedWidgetsTest)
#include "shared_widgets_test.moc"
