// Colour maths of the colour button: lightness, base, edges and text colour.

#include "barwik/colour_scheme.h"

#include <QTest>

using barwik::Rgb;

Q_DECLARE_METATYPE(Rgb)

namespace QTest {
template <>
char* toString(const Rgb& c)
{
    return qstrdup(QByteArray::number(c.red) + ", " + QByteArray::number(c.green) + ", "
                   + QByteArray::number(c.blue));
}
} // namespace QTest

class ColourSchemeTest : public QObject {
    Q_OBJECT

private slots:
    void derivedColours_data();
    void derivedColours();
};

void ColourSchemeTest::derivedColours_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<int>("lightness");
    QTest::addColumn<Rgb>("base");
    QTest::addColumn<Rgb>("highlight");
    QTest::addColumn<Rgb>("shadow");
    QTest::addColumn<Rgb>("text");

    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    // Light grey: brightened base, white highlight, black text.
    QTest::newRow("light grey") << 0xE6E6E6u << 216 << Rgb{130, 130, 130} << white
                                << Rgb{117, 117, 117} << black;
    QTest::newRow("black") << 0x000000u << 0 << Rgb{128, 128, 128} << Rgb{106, 106, 106} << black
                           << white;
    QTest::newRow("white") << 0xFFFFFFu << 240 << Rgb{128, 128, 128} << white
                           << Rgb{128, 128, 128} << black;
    QTest::newRow("initial silver") << 0xC0C0C0u << 180 << Rgb{129, 129, 129} << white
                                    << Rgb{96, 96, 96} << black;
    QTest::newRow("mid grey at 120") << 0x808080u << 120 << Rgb{128, 128, 128}
                                     << Rgb{233, 233, 233} << Rgb{64, 64, 64} << black;
    QTest::newRow("dark grey") << 0x404040u << 60 << Rgb{128, 128, 128} << Rgb{170, 170, 170}
                               << black << white;
    // Red sits in the low byte; pure red has lightness 120 and keeps itself.
    QTest::newRow("pure red") << 0x0000FFu << 120 << Rgb{255, 0, 0} << Rgb{255, 212, 212}
                              << Rgb{127, 0, 0} << black;
    QTest::newRow("pure blue") << 0xFF0000u << 120 << Rgb{0, 0, 255} << Rgb{212, 212, 255}
                               << Rgb{0, 0, 127} << black;
    // One step darker than pure red: white text, base clamped at 255.
    QTest::newRow("red 254") << 0x0000FEu << 119 << Rgb{255, 0, 0} << Rgb{255, 210, 210}
                             << Rgb{125, 0, 0} << white;
    // Nearly black: base channel 3 * 120 / 1 clamps to 255.
    QTest::newRow("almost black red") << 0x000003u << 1 << Rgb{255, 0, 0} << Rgb{214, 0, 0}
                                      << black << white;
    // Mixed light colour: every channel brightened differently.
    QTest::newRow("orange") << 0x64C8FFu << 167 << Rgb{255, 165, 1} << white
                            << Rgb{176, 114, 0} << black;
    QTest::newRow("high byte ignored") << 0xFF000000u << 0 << Rgb{128, 128, 128}
                                       << Rgb{106, 106, 106} << black << white;
}

void ColourSchemeTest::derivedColours()
{
    QFETCH(uint, colour);
    QFETCH(int, lightness);
    QFETCH(Rgb, base);
    QFETCH(Rgb, highlight);
    QFETCH(Rgb, shadow);
    QFETCH(Rgb, text);

    const Rgb fill = barwik::rgbFromColourRef(colour);
    QCOMPARE(barwik::lightness(fill), lightness);
    QCOMPARE(barwik::baseColour(fill, lightness), base);

    const barwik::ColourScheme scheme = barwik::colourSchemeFor(colour, true);
    QCOMPARE(scheme.fill, fill);
    QCOMPARE(scheme.highlight, highlight);
    QCOMPARE(scheme.shadow, shadow);
    QCOMPARE(scheme.text, text);
}

QTEST_APPLESS_MAIN(ColourSchemeTest)
#include "colour_scheme_test.moc"
