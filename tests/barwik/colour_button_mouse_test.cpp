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
    void leftGesture_data();
    void leftGesture();
    void quickSecondClickCountsAsAClick();
    void rightPressRequestsContextAtScreenPosition();
    void focusComesFromTheMouseButNeverPresses();
    void disablingWhileHeldCancelsTheClick();
    void receiverMayDeleteTheButton();
};

void ColourButtonMouseTest::leftGesture_data()
{
    // Press at (15, 15) of the 30 x 30 button, move along `path` and release
    // at its last point. The pointer counts as the 2 x 2 square ending at it.
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<bool>("pressedBeforeRelease");
    QTest::addColumn<int>("clicks");

    QTest::newRow("click in place") << QList<QPoint>{} << true << 1;
    QTest::newRow("release outside") << QList<QPoint>{{100, 10}} << false << 0;
    QTest::newRow("leave and come back") << QList<QPoint>{{-20, 10}, {15, 15}} << true << 1;
    QTest::newRow("come back and leave") << QList<QPoint>{{-20, 10}, {15, 15}, {15, 60}} << false << 0;
    QTest::newRow("left column") << QList<QPoint>{{0, 15}} << true << 1;
    QTest::newRow("one left of it") << QList<QPoint>{{-1, 15}} << false << 0;
    QTest::newRow("one past the right") << QList<QPoint>{{30, 15}} << true << 1;
    QTest::newRow("two past the right") << QList<QPoint>{{31, 15}} << false << 0;
    QTest::newRow("one below") << QList<QPoint>{{15, 30}} << true << 1;
    QTest::newRow("two below") << QList<QPoint>{{15, 31}} << false << 0;
    QTest::newRow("one above") << QList<QPoint>{{15, -1}} << false << 0;
    QTest::newRow("past the corner") << QList<QPoint>{{30, 30}} << true << 1;
}

void ColourButtonMouseTest::leftGesture()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(bool, pressedBeforeRelease);
    QFETCH(int, clicks);

    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QPoint pointer(15, 15);
    QTest::mousePress(&f.window, Qt::LeftButton, {}, f.at(pointer.x(), pointer.y()));
    QVERIFY(f.button->isPressed());
    for (QPoint step : path) {
        pointer = step;
        QTest::mouseMove(&f.window, f.at(pointer.x(), pointer.y()));
    }
    QCOMPARE(f.button->isPressed(), pressedBeforeRelease);
    QTest::mouseRelease(&f.window, Qt::LeftButton, {}, f.at(pointer.x(), pointer.y()));
    QVERIFY(!f.button->isPressed());
    drainEvents();
    QCOMPARE(clicked.count(), clicks);
    for (const QList<QVariant>& arguments : clicked)
        QCOMPARE(arguments.at(0).toInt(), kButtonId);
}

// Two quick clicks are two clicks, not a press lost to a double click.
void ColourButtonMouseTest::quickSecondClickCountsAsAClick()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    // Press, release, press (arriving as a double click), release.
    QTest::mouseDClick(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    drainEvents();
    QCOMPARE(clicked.count(), 2);
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

void ColourButtonMouseTest::focusComesFromTheMouseButNeverPresses()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QVERIFY(!f.button->hasFocus());
    QSignalSpy clicked(f.button.data(), SIGNAL(clicked(int)));
    QTest::mouseClick(&f.window, Qt::LeftButton, {}, f.at(10, 10));
    QVERIFY(f.button->hasFocus());
    drainEvents();
    clicked.clear();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyPress(f.button.data(), key);
        QVERIFY(!f.button->isPressed());
        QTest::keyRelease(f.button.data(), key);
    }
    drainEvents();
    QCOMPARE(clicked.count(), 0);
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
