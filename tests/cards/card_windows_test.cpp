// The start cards list, the card entry window and the confirmation editor as
// a judge uses them: a whole card typed with the keyboard only.
#include "cards_fixture.h"

#include "../ui/widget_test_support.h"
#include "barwik/host/colour_button_host.h"

#include "trop/scoring/evaluate_card.h"
#include "trop/ui/cards/box_editor_window.h"
#include "trop/ui/cards/card_entry_window.h"
#include "trop/ui/cards/start_cards_window.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

using namespace trop;
using namespace trop::test;

namespace {

// Runs act once a visible modal window of type Window is the active modal
// window and its focus has settled.
template <typename Window>
void onModal(std::function<void(Window*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || !QApplication::focusWidget()
            || QApplication::focusWidget()->window() != window)
            return;
        timer->stop();
        timer->deleteLater();
        act(window);
        // A failed check leaves the windows open: close them, or the test waits forever.
        if (QTest::currentTestFailed())
            while (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                open->QDialog::done(QDialog::Rejected);
    });
    timer->start();
}

QWidget* focused() { return QApplication::focusWidget(); }

void type(const QString& text) { QTest::keyClicks(focused(), text); }

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, modifiers);
    QApplication::processEvents();
}


// The fixture of the rules tests, set up by hand inside a Qt test.
struct SmallStage : CardsFixture {
    SmallStage() { SetUp(); }
    void TestBody() override {}
};

} // namespace

class CardWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // TROP_BARWIK_DIR runs every case with the colour buttons of the library.
    void initTestCase()
    {
        if (!qgetenv("TROP_BARWIK_DIR").isEmpty())
            QVERIFY(barwik::loadColourButtonLibrary(QString::fromLocal8Bit(qgetenv("TROP_BARWIK_DIR"))));
    }

    // The windows on the sample competition; pictures with TROP_GRAB_DIR.
    void sampleStageWindows()
    {
        TempFolder store;
        QProcess demo;
        demo.start(QStringLiteral(TROP_CLI_PATH), {QStringLiteral("demo"), QString::fromStdString(store.path().string())});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        const std::filesystem::path category = store.path() / "Wrzos 2026" / "TU";
        auto members = std::make_unique<MemberTable>();
        QVERIFY(loadMembers(category, *members) > 0);
        StartCardsRules list(category / "E1", *members, "E1", kYear);
        QVERIFY(list.open());
        StartCardsWindow listWindow(list);
        listWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&listWindow));
        QCOMPARE(listWindow.list()->topLevelItemCount(), static_cast<int>(list.rows().size()));
        grabIfAsked(listWindow, "sample_start_cards");

        std::unique_ptr<CardEntryRules> card = list.openCard(list.rows().front().teamNumber);
        QVERIFY(card);
        CardEntryWindow cardWindow(*card, "Karta startowa");
        cardWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cardWindow));
        verifyEveryControlIsNamed(cardWindow);
        grabIfAsked(cardWindow, "sample_card_entry");
        // Enter on ">" shows the next card and keeps the window open.
        cardWindow.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cardWindow));
        cardWindow.nextButton()->setFocus();
        QTest::keyClick(cardWindow.nextButton(), Qt::Key_Return);
        QVERIFY(cardWindow.isVisible());
        QCOMPARE(card->card().teamNumber, list.rows()[1].teamNumber);
        cardWindow.previousButton()->setFocus();
        QTest::keyClick(cardWindow.previousButton(), Qt::Key_Return);
        QCOMPARE(card->card().teamNumber, list.rows()[0].teamNumber);
        // Without AUTO the window shrinks to its top strip and PK is typed.
        QCheckBox* autoScore = nullptr;
        for (QCheckBox* box : cardWindow.findChildren<QCheckBox*>())
            if (box->text() == "AUTO")
                autoScore = box;
        const int fullHeight = cardWindow.height();
        QTest::mouseClick(autoScore, Qt::LeftButton);
        QVERIFY(!cardWindow.boxesArea()->isVisible());
        QVERIFY(!cardWindow.field(CardField::PenaltyPoints)->isReadOnly());
        QTRY_VERIFY(cardWindow.height() < fullHeight / 2);
        grabIfAsked(cardWindow, "sample_card_entry_without_auto");

        std::unique_ptr<BoxEditorRules> editor = card->openBoxEditor(1);
        BoxEditorWindow editorWindow(*editor);
        editorWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editorWindow));
        verifyEveryControlIsNamed(editorWindow);
        int shownCodes = 0;
        for (QWidget* button : editorWindow.codeButtons())
            shownCodes += button->isVisible() ? 1 : 0;
        QCOMPARE(shownCodes, list.cards().stage->codeCount);
        grabIfAsked(editorWindow, "sample_box_editor");
        editorWindow.QDialog::done(0);
        cardWindow.QDialog::done(0);
    }

    void wholeCardTypedWithTheKeyboardOnly()
    {
        SmallStage stage;
        StartCardsWindow list(*stage.list);
        list.show();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        bool cardSeen = false;
        bool editorSeen = false;

        onModal<CardEntryWindow>([&](CardEntryWindow* card) {
            cardSeen = true;
            QCOMPARE(focused(), card->field(CardField::StartTime));
            type("10");
            press(Qt::Key_Tab);
            type("75");
            press(Qt::Key_Tab);
            QCOMPARE(focused(), card->field(CardField::TaskValue));
            press(Qt::Key_Tab);
            QCOMPARE(focused(), card->boxButton(0));
            QCOMPARE(focused()->accessibleName(), QString("Pole 1"));
            onModal<BoxEditorWindow>([&](BoxEditorWindow* editor) {
                editorSeen = true;
                QCOMPARE(focused(), editor->codeField());
                for (const char* typed : {"ab", "ab", "cd", "c", "x1"}) {
                    type(typed);
                    press(Qt::Key_Tab);
                }
                type("lop 3");
                grabIfAsked(*editor, "box_editor");
                onModal<CardEntryWindow>([&](CardEntryWindow* card) {
                    // Back from the editor, on box 3.
                    grabIfAsked(*card, "card_entry");
                    for (int i = 0; i < 60 && focused() != card->nextButton(); ++i)
                        press(Qt::Key_Tab);
                    QCOMPARE(focused(), card->nextButton());
                    press(Qt::Key_Space);
                    QCOMPARE(card->field(CardField::StartTime)->text(), QString());
                    press(Qt::Key_Escape); // the next card is untouched: closes at once
                });
                press(Qt::Key_Return); // takes "Opis" and ends
            });
            press(Qt::Key_Space);
        });
        press(Qt::Key_Return);
        QVERIFY(cardSeen && editorSeen);
        QTest::keyClick(list.list(), Qt::Key_Escape);

        // The stored card is exactly the typed card evaluated.
        auto fromFile = std::make_unique<ResultsTable>();
        QCOMPARE(loadResults(stage.folder.path(), *fromFile), 4);
        ControlCard expected = freshCard(1);
        expected.notEntered = 0;
        expected.startTime = 10;
        expected.finishTime = 75;
        const struct {
            int code;
            const char* description;
            int lop;
        } boxes[] = {{1, "AB", 0}, {2, "C", 0}, {3, "3", 1}};
        for (int b = 0; b < 3; ++b) {
            Confirmation& box = expected.boxes[b];
            box = Confirmation{};
            box.codeIndex = boxes[b].code;
            setFieldText(box.cardDescription, boxes[b].description);
            box.cardIsLop = boxes[b].lop;
            box.autoDescription = box.autoValue = 1;
        }
        evaluateCard(expected, *stage.list->cards().stage, *fromFile);
        QCOMPARE(expected.penaltyPoints, 0);
        // Entries behind missingCount are what earlier evaluations left there.
        const ControlCard& stored = fromFile->cards[0];
        QCOMPARE(stored.missingCount, 0);
        std::copy(std::begin(stored.missing), std::end(stored.missing), expected.missing);
        QCOMPARE(std::memcmp(&expected, &stored, sizeof expected), 0);
    }
};

QTEST_MAIN(CardWindowsTest)
#include "card_windows_test.moc"
