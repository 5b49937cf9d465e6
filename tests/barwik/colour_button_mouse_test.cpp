// Mouse and keyboard handling of the colour button.

// Mouse input goes through the window, so Qt's own delivery and implicit
// grab decide which widget sees it.
#define QTEST_QPA_MOUSE_HANDLING

#include "barwik/colour_button.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using barwik::ColourButton;

namespace {

constexpr int kButtonId = 42;

// A button in a shown window, as a dialog would place it.
struct Fixture {
    QWidget window;
    QPointer<ColourButton> button;

    Fixture()
    {
        window.resize(200, 200);
        button = new ColourButton(&window, kButtonId, QStringLiteral("12"));
        button->setGeometry(50, 50, 30, 30);
        window.show();
    }
    // A point of the window given in the button's coordinates.
    QPoint at(int x, int y) const { return button->mapTo(&window, QPoint(x, y)); }
};

// Lets posted notifications arrive.
void drainEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace

class ColourButtonMouseTest : public QObject {
    Q_OBJECT

private slots:
    void clickEmitsIdOnce();
    void releaseOutsideEmitsNothing();
    void comingBackBeforeReleaseStillClicks();
    void pointerSquareReachesOnePixelPastTheEdge_data();
    void pointerSquareReachesOnePixelPastTheEdge();
    void rightPressRequestsContextAtScreenPosition();
    void keyboardNeverPresses();
    void leftPressTakesFocus();
    void disablingWhileHeldCancelsTheClick();
    void receiverMayDeleteTheButton();
};

void ColourButtonMouseTest::clickEmitsIdOnce()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QVERIFY(f.button->isPressed());
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QVERIFY(!f.button->isPressed());
    drainEvents();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), kButtonId);
}

void ColourButtonMouseTest::releaseOutsideEmitsNothing()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QTest::mouseMove(&f.window, f.at(100, 10));
    QVERIFY(!f.button->isPressed());
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(100, 10));
    drainEvents();
    QCOMPARE(clicked.count(), 0);
}

void ColourButtonMouseTest::comingBackBeforeReleaseStillClicks()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QTest::mouseMove(&f.window, f.at(-20, 10));
    QVERIFY(!f.button->isPressed());
    QTest::mouseMove(&f.window, f.at(15, 15));
    QVERIFY(f.button->isPressed());
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(15, 15));
    drainEvents();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), kButtonId);
}

void ColourButtonMouseTest::pointerSquareReachesOnePixelPastTheEdge_data()
{
    // The button is 30 x 30; the pointer counts as the 2 x 2 square ending at it.
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<bool>("stillPressed");
    QTest::newRow("left column") << QPoint(0, 15) << true;
    QTest::newRow("one left of it") << QPoint(-1, 15) << false;
    QTest::newRow("one past the right") << QPoint(30, 15) << true;
    QTest::newRow("two past the right") << QPoint(31, 15) << false;
    QTest::newRow("one below") << QPoint(15, 30) << true;
    QTest::newRow("two below") << QPoint(15, 31) << false;
    QTest::newRow("one above") << QPoint(15, -1) << false;
    QTest::newRow("past the corner") << QPoint(30, 30) << true;
}

void ColourButtonMouseTest::pointerSquareReachesOnePixelPastTheEdge()
{
    QFETCH(QPoint, position);
    QFETCH(bool, stillPressed);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(15, 15));
    QTest::mouseMove(&f.window, f.at(position.x(), position.y()));
    QCOMPARE(f.button->isPressed(), stillPressed);
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(position.x(), position.y()));
    drainEvents();
    QCOMPARE(clicked.count(), stillPressed ? 1 : 0);
}

void ColourButtonMouseTest::rightPressRequestsContextAtScreenPosition()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy context(f.button.data(), SIGNAL(contextRequested(int, QPoint)));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::RightButton, {}, f.at(7, 9));
    drainEvents();
    QCOMPARE(context.count(), 1);
    QCOMPARE(context.at(0).at(0).toInt(), kButtonId);
    QCOMPARE(context.at(0).at(1).toPoint(), f.button->mapToGlobal(QPoint(7, 9)));
    QVERIFY(!f.button->isPressed());
    QTest::mouseRelease(&f.window, Qt::RightButton, {}, f.at(7, 9));
    drainEvents();
    QCOMPARE(context.count(), 1);
    QCOMPARE(clicked.count(), 0);
}

void ColourButtonMouseTest::keyboardNeverPresses()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    f.button->setFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyPress(f.button.data(), key);
        QVERIFY(!f.button->isPressed());
        QTest::keyRelease(f.button.data(), key);
    }
    drainEvents();
    QCOMPARE(clicked.count(), 0);
}

void ColourButtonMouseTest::leftPressTakesFocus()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QVERIFY(!f.button->hasFocus());
    QTest::mouseClick(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QVERIFY(f.button->hasFocus());
}

void ColourButtonMouseTest::disablingWhileHeldCancelsTheClick()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    f.button->setEnabled(false);
    f.button->setEnabled(true);
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    drainEvents();
    QCOMPARE(clicked.count(), 0);
}

// Editors rebuild their buttons on a click; the notification must not reach
// back into a deleted button.
void ColourButtonMouseTest::receiverMayDeleteTheButton()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    int seen = 0;
    QObject::connect(f.button.data(), &ColourButton::clicked, &f.window, [&](int id) {
        seen = id;
        delete f.button.data();
    });
    QTest::mouseClick(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    drainEvents();
    QCOMPARE(seen, kButtonId);
    QVERIFY(f.button.isNull());
    QTest::mouseClick(&f.window, Qt::LeftButton, {}, QPoint(60, 60));
    drainEvents();
}

QTEST_MAIN(ColourButtonMouseTest)
#include "colour_button_mouse_test.moc"
