// The board window offscreen, on the sample competition that trop-cli seeds:
// accessible cells, fonts that grow with the window, full screen, the hidden
// cursor and the About entry.
#include "tablo/board_window.h"
#include "tablo/entry_window.h"
#include "tablo/tablo_about.h"
#include "trop/store/store_location.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>

using namespace tablo;

namespace {

void grabIfAsked(QWidget& window, const QString& name)
{
    const QByteArray folder = qgetenv("TROP_GRAB_DIR");
    if (!folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir store;
    std::filesystem::path category;

private slots:
    void initTestCase()
    {
        // trop-cli finds the user's data folder without Qt, where Qt would.
        QCoreApplication::setOrganizationName("Lirnik");
        QCoreApplication::setApplicationName("Trop");
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                 QString::fromStdString(trop::userDataFolder().string()));

        QStandardPaths::setTestModeEnabled(true); // the line count setting
        QSettings("Lirnik", "Tablo").clear();
        QVERIFY(store.isValid());
        QCOMPARE(QProcess::execute(TROP_CLI_PATH, {"demo", store.path()}), 0);
        category = std::filesystem::path(store.path().toStdString()) / "Wrzos 2026" / "TP";
        QVERIFY(std::filesystem::exists(category / "E1" / "Results"));
    }

    void linesAreAccessibleTableCells()
    {
        BoardWindow board(category, "Wrzos 2026      kategoria  TP");
        QVERIFY(board.openBoard());
        QVERIFY(board.timerActive());
        board.resize(1000, 500);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        for (int i = 0; i < 12; ++i)
            board.tick();
        QTableView* view = board.view();
        QVERIFY(view->model()->rowCount() > 3);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QString("Miejsce "));
        QCOMPARE(view->model()->headerData(2, Qt::Horizontal).toString(), QString("Zespół"));

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), view->model()->index(0, 1).data().toString());
        QVERIFY(!cell->text(QAccessible::Name).isEmpty());

        QCOMPARE(view->viewport()->cursor().shape(), Qt::BlankCursor);
        grabIfAsked(board, "tablo-board");
        board.close();
        QVERIFY(!board.timerActive());
    }

    void theFontGrowsWithTheWindowAndF11TogglesFullScreen()
    {
        BoardWindow board(category, "TP");
        QVERIFY(board.openBoard());
        board.setChosenLines(10);
        board.resize(2400, 300);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const int small = board.view()->font().pixelSize();
        board.resize(2400, 900);
        QTest::qWait(10);
        const int large = board.view()->font().pixelSize();
        QVERIFY2(large > 2 * small, qPrintable(QString("%1 -> %2").arg(small).arg(large)));
        QCOMPARE(board.view()->verticalHeader()->defaultSectionSize() * 11 <= board.view()->height(), true);

        QTest::keyClick(&board, Qt::Key_F11);
        QVERIFY(board.isFullScreen());
        QTest::keyClick(&board, Qt::Key_F11);
        QVERIFY(!board.isFullScreen());
    }

    void listWindowsOpenTheirEntriesByKeyboard()
    {
        const std::filesystem::path root(store.path().toStdString());
        EntryWindow competitions({"Wyniki", "Otwórz", "Zamknij"}, competitionEntries(root), [](const Entry&) {});
        QCOMPARE(competitions.list()->count(), 1);
        QCOMPARE(competitions.list()->item(0)->text(), QString("Wrzos 2026"));
        grabIfAsked(competitions, "tablo-competitions");

        std::filesystem::create_directories(root / "Wrzos 2026" / "X.Rodzinna");
        std::string opened;
        EntryWindow categories({"Wrzos 2026", "Pokaż", "Zakończ"}, categoryEntries(root / "Wrzos 2026"),
                               [&opened](const Entry& entry) { opened = entry.folderName; });
        QCOMPARE(categories.list()->count(), 1); // "TP"; not "TU" nor the custom category
        categories.show();
        QVERIFY(QTest::qWaitForWindowExposed(&categories));
        categories.list()->setFocus();
        QStringList menuTexts;
        QTimer::singleShot(0, [&menuTexts] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    menuTexts << action->text();
                menu->close();
            }
        });
        QTest::keyClick(categories.list(), Qt::Key_Menu);
        QCOMPARE(menuTexts.value(0), QString::fromUtf8("Pokaż")); // the entry's menu
        QTest::keyClick(categories.list(), Qt::Key_Return);
        QCOMPARE(opened, std::string("TP"));
        grabIfAsked(categories, "tablo-categories");
    }

    void theAboutBoxNamesTheVersion()
    {
        const QStringList lines = aboutLines();
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[2].startsWith("Tablo  ver. "));
        QVERIFY(lines[2].size() > QString("Tablo  ver. ").size());
    }
};

QTEST_MAIN(BoardWindowTest)
#include "board_window_test.moc"
