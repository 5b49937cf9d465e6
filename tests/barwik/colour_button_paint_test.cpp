// Pixels of a painted colour button: frame with open corners, fill, edges,
// pressed look and text.

#include "barwik/colour_button.h"
#include "barwik/colour_scheme.h"
#include "button_render.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

using barwik::ColourButton;
using barwik_test::boxOfColour;
using barwik_test::kBackdrop;
using barwik_test::renderButton;
using barwik_test::rgb;

namespace {

enum class Role { Backdrop, Black, Fill, Highlight, Shadow };

// What each pixel must show, stated by position rather than by lines.
Role expectedRole(int x, int y, int w, int h, bool pressed)
{
    const bool outerColumn = x == 0 || x == w - 1;
    const bool outerRow = y == 0 || y == h - 1;
    if (outerColumn && outerRow)
        return Role::Backdrop;
    if (outerColumn || outerRow)
        return Role::Black;
    if (pressed) {
        if (x == 1 || y == 1 || x == w - 2 || y == h - 2)
            return Role::Black;
        if (x == 2 || y == 2)
            return Role::Shadow;
        return Role::Fill;
    }
    if (x == w - 2 || y == h - 2 || (y == h - 3 && x >= 2) || (x == w - 3 && y >= 2))
        return Role::Shadow;
    if (x <= 2 || y <= 2)
        return Role::Highlight;
    return Role::Fill;
}

QColor toQColor(barwik::Rgb c) { return QColor(c.red, c.green, c.blue); }

QColor colourOf(Role role, const barwik::ColourScheme& scheme)
{
    switch (role) {
    case Role::Backdrop: return kBackdrop;
    case Role::Black: return QColor(0, 0, 0);
    case Role::Fill: return toQColor(scheme.fill);
    case Role::Highlight: return toQColor(scheme.highlight);
    case Role::Shadow: return toQColor(scheme.shadow);
    }
    return {};
}

void pressLeft(QWidget& button)
{
    const QPointF centre(button.width() / 2.0, button.height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, button.mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
}

// Compares every pixel outside `skip` with the expected role; names the first
// mismatch.
QString firstGeometryMismatch(const QImage& image, const barwik::ColourScheme& scheme, bool pressed,
                              const QRect& skip = {})
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (skip.contains(x, y))
                continue;
            const QColor want = colourOf(expectedRole(x, y, image.width(), image.height(), pressed), scheme);
            const QColor got = image.pixelColor(x, y);
            if (got != want)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x).arg(y).arg(got.name(), want.name());
        }
    }
    return {};
}

QFont textFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    return font;
}

} // namespace

class ColourButtonPaintTest : public QObject {
    Q_OBJECT

private slots:
    void edgesAndFill_data();
    void edgesAndFill();
    void textColourFollowsLightness_data();
    void textColourFollowsLightness();
    void disabledTextIsGrey();
    void pressedTextMovesOnePixel();
    void textIsCentredOnOneLineWithoutMnemonics();
    void longTextStaysInsideTheEdge();
};

void ColourButtonPaintTest::edgesAndFill_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<bool>("pressed");
    for (uint colour : {0xE6E6E6u, 0x000000u, 0xFFFFFFu, 0x0000FFu, 0x64C8FFu}) {
        const QByteArray name = QByteArray::number(colour, 16);
        QTest::newRow(name + " raised") << colour << false;
        QTest::newRow(name + " pressed") << colour << true;
    }
}

void ColourButtonPaintTest::edgesAndFill()
{
    QFETCH(uint, colour);
    QFETCH(bool, pressed);

    // Not square, so that a swapped width and height shows.
    ColourButton button(nullptr, 7, QString());
    button.resize(23, 17);
    button.setColour(colour);
    if (pressed)
        pressLeft(button);
    QCOMPARE(button.isPressed(), pressed);

    const QImage image = renderButton(button);
    const QString mismatch = firstGeometryMismatch(image, barwik::colourSchemeFor(colour, true), pressed);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void ColourButtonPaintTest::textColourFollowsLightness_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("textColour");
    QTest::newRow("light grey") << 0xE6E6E6u << QColor(Qt::black);
    QTest::newRow("black") << 0x000000u << QColor(Qt::white);
    QTest::newRow("white") << 0xFFFFFFu << QColor(Qt::black);
    QTest::newRow("lightness 120") << 0x0000FFu << QColor(Qt::black);
    QTest::newRow("lightness 119") << 0x0000FEu << QColor(Qt::white);
}

void ColourButtonPaintTest::textColourFollowsLightness()
{
    QFETCH(uint, colour);
    QFETCH(QColor, textColour);

    ColourButton button(nullptr, 1, QStringLiteral("MM"));
    button.setFont(textFont());
    button.resize(40, 30);
    button.setColour(colour);
    const QImage image = renderButton(button);
    const QRect textArea(3, 3, 34, 24);
    QVERIFY(!boxOfColour(image, textColour, textArea).isEmpty());
    // The text must not come out in the other colour.
    const QColor other = textColour == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
    if (other != rgb(colour))
        QVERIFY(boxOfColour(image, other, textArea).isEmpty());
}

void ColourButtonPaintTest::disabledTextIsGrey()
{
    ColourButton button(nullptr, 1, QStringLiteral("MM"));
    button.setFont(textFont());
    button.resize(40, 30);
    button.setColour(0xE6E6E6);
    button.setEnabled(false);
    const QImage image = renderButton(button);
    const QRect textArea(3, 3, 34, 24);
    QVERIFY(!boxOfColour(image, QColor(0x80, 0x80, 0x80), textArea).isEmpty());
    QVERIFY(boxOfColour(image, QColor(Qt::black), textArea).isEmpty());
}

void ColourButtonPaintTest::pressedTextMovesOnePixel()
{
    ColourButton button(nullptr, 1, QStringLiteral("88"));
    button.setFont(textFont());
    button.resize(40, 30);
    button.setColour(0xE6E6E6);
    const QRect textArea(3, 3, 34, 24);
    const QRect raised = boxOfColour(renderButton(button), QColor(Qt::black), textArea);
    pressLeft(button);
    const QRect pressed = boxOfColour(renderButton(button), QColor(Qt::black), textArea);
    QVERIFY(!raised.isEmpty());
    QCOMPARE(pressed, raised.translated(1, 1));
}

void ColourButtonPaintTest::textIsCentredOnOneLineWithoutMnemonics()
{
    auto textBox = [](const QString& text) {
        ColourButton button(nullptr, 1, text);
        button.setFont(textFont());
        button.resize(60, 40);
        button.setColour(0xFFFFFF);
        return boxOfColour(renderButton(button), QColor(Qt::black), QRect(3, 3, 54, 34));
    };
    const QRect single = textBox(QStringLiteral("M"));
    QVERIFY(!single.isEmpty());
    QVERIFY2(qAbs(single.center().x() - 29) <= 1, "text not centred horizontally");
    QVERIFY2(qAbs(single.center().y() - 19) <= 3, "text not centred vertically");

    // A line break does not start a second line.
    QVERIFY(textBox(QStringLiteral("M\nM")).height() < single.height() * 3 / 2);
    // '&' is drawn as it stands instead of underlining the next letter.
    QVERIFY(textBox(QStringLiteral("&M")).width() > single.width() + 4);
}

void ColourButtonPaintTest::longTextStaysInsideTheEdge()
{
    ColourButton button(nullptr, 1, QStringLiteral("MMMMMMMMMMMM"));
    button.setFont(textFont());
    button.resize(30, 20);
    button.setColour(0xE6E6E6);
    const QImage image = renderButton(button);
    const QRect textRect(3, 3, 24, 14);
    const QString mismatch =
        firstGeometryMismatch(image, barwik::colourSchemeFor(0xE6E6E6, true), false, textRect);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_MAIN(ColourButtonPaintTest)
#include "colour_button_paint_test.moc"
