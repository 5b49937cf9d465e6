// Loading the colour button library by file name, as the programs do, and
// speaking to its buttons without linking it.

// Mouse input goes through the window, so Qt's own delivery and implicit
// grab decide which widget sees it.
#define QTEST_QPA_MOUSE_HANDLING

#include "barwik/host/colour_button_host.h"
#include "button_render.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#ifndef BARWIK_LIBRARY_DIR
#error "BARWIK_LIBRARY_DIR must name the folder holding the built library"
#endif

using barwik_test::renderButton;

class HostLoadTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first: nothing is loaded yet.
    void missingLibraryIsQuiet();
    void loadsFromTheInstalledFolderAfterTheProgramFolder();
    void buttonAnswersThroughItsMetaObject();
    void clickReachesTheRelay();
    void relayFallsSilentWithItsContext();
};

void HostLoadTest::missingLibraryIsQuiet()
{
    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    QVERIFY(!barwik::loadColourButtonLibrary(emptyFolder.path()));
    QVERIFY(!barwik::isColourButtonLibraryLoaded());
    QWidget parent;
    QCOMPARE(barwik::createColourButton(&parent, 1, QStringLiteral("1")), nullptr);
    QVERIFY(parent.children().isEmpty());
    barwik::setButtonColour(nullptr, 0x0000FF);
    QVERIFY(!barwik::onColourButtonClicked(nullptr, nullptr, [](int) {}));
    // A widget without the signals is not a colour button: no relay hangs on it.
    QVERIFY(!barwik::onColourButtonContextRequested(&parent, nullptr, [](int, QPoint) {}));
    QVERIFY(parent.children().isEmpty());
}

void HostLoadTest::loadsFromTheInstalledFolderAfterTheProgramFolder()
{
    // An installed layout: the program in <prefix>/bin, the library in the
    // library folder that belongs to it.
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkdir("bin"));
    const QString programFolder = prefix.path() + "/bin";
    const QStringList folders = barwik::colourButtonLibraryFolders(programFolder);
    QCOMPARE(folders.size(), 2);
    QCOMPARE(folders[0], programFolder);
    QVERIFY2(folders[1].startsWith(prefix.path() + "/lib"), qPrintable(folders[1]));
    QVERIFY(QDir().mkpath(folders[1]));
    const QString library = QFileInfo(QStringLiteral(BARWIK_LIBRARY_DIR "/libBarwik.so")).absoluteFilePath();
    QVERIFY(QFile::copy(library, folders[1] + "/libBarwik.so"));

    QVERIFY(barwik::loadColourButtonLibrary(programFolder));
    QVERIFY(barwik::isColourButtonLibraryLoaded());
    // Already loaded: a later call from anywhere keeps the first handle.
    QVERIFY(barwik::loadColourButtonLibrary(QStringLiteral("/nonexistent")));
}

void HostLoadTest::buttonAnswersThroughItsMetaObject()
{
    QWidget parent;
    QWidget* button = barwik::createColourButton(&parent, 5, QStringLiteral("A1"));
    QVERIFY(button);
    QCOMPARE(button->parentWidget(), &parent);
    QCOMPARE(button->property("text").toString(), QStringLiteral("A1"));
    QCOMPARE(button->accessibleName(), QStringLiteral("A1"));
    QVERIFY(button->sizeHint().isValid());

    button->resize(20, 20);
    QCOMPARE(renderButton(*button).pixelColor(10, 10), QColor(0xC0, 0xC0, 0xC0));
    barwik::setButtonColour(button, 0x00FF0000); // blue: 0x00BBGGRR
    QCOMPARE(renderButton(*button).pixelColor(10, 10), QColor(0, 0, 255));

    QVERIFY(button->setProperty("text", QStringLiteral("B2")));
    QCOMPARE(button->property("text").toString(), QStringLiteral("B2"));
    QCOMPARE(button->accessibleName(), QStringLiteral("B2"));
}

void HostLoadTest::clickReachesTheRelay()
{
    QWidget window;
    window.resize(100, 100);
    QWidget* button = barwik::createColourButton(&window, 17, QStringLiteral("9"));
    QVERIFY(button);
    button->setGeometry(10, 10, 30, 30);
    int clickedId = 0;
    int contextId = 0;
    QPoint contextPos;
    QVERIFY(barwik::onColourButtonClicked(button, &window, [&](int id) { clickedId = id; }));
    QVERIFY(barwik::onColourButtonContextRequested(button, &window, [&](int id, QPoint pos) {
        contextId = id;
        contextPos = pos;
    }));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_COMPARE(clickedId, 17);
    QTest::mousePress(&window, Qt::RightButton, {}, QPoint(25, 15));
    QTRY_COMPARE(contextId, 17);
    QCOMPARE(contextPos, window.mapToGlobal(QPoint(25, 15)));
}

void HostLoadTest::relayFallsSilentWithItsContext()
{
    QWidget window;
    window.resize(100, 100);
    QWidget* button = barwik::createColourButton(&window, 3, QString());
    button->setGeometry(10, 10, 30, 30);
    int calls = 0;
    auto* context = new QObject;
    QVERIFY(barwik::onColourButtonClicked(button, context, [&](int) { ++calls; }));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    delete context;
    QSignalSpy clicked(button, SIGNAL(clicked(int)));
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_COMPARE(clicked.count(), 1);
    QCOMPARE(calls, 0);
}

QTEST_MAIN(HostLoadTest)
#include "host_load_test.moc"
