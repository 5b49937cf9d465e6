// The start list window and the finish order view, offscreen: the start time
// edit over a row, closing during an edit, the popup, and both windows on the
// sample competition (pictures saved when TROP_GRAB_DIR names a folder).
#include "navigation_fakes.h"
#include "trop/model/members.h"
#include "trop/model/stage_definition.h"
#include "trop/ui/program_window_opener.h"
#include "trop/ui/results/results_cell_delegate.h"
#include "trop/ui/startlist/finish_order_rules.h"
#include "trop/ui/startlist/finish_order_window.h"
#include "trop/ui/startlist/start_list_params_dialog.h"
#include "trop/ui/startlist/start_list_rules.h"
#include "trop/ui/startlist/start_list_window.h"
#include "trop/ui/startlist/start_time_edit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace trop;
using namespace trop::test;

namespace {

std::string entryBytes(std::int32_t startTime, std::int32_t team)
{
    const StartEntry entry{startTime, team};
    return std::string(reinterpret_cast<const char*>(&entry), sizeof entry);
}

void grabIfAsked(QWidget& window, const QString& name)
{
    const QByteArray folder = qgetenv("TROP_GRAB_DIR");
    if (!folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class StartListWidgetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        store = std::make_unique<TempFolder>();
        store->writeFile("Start.List", entryBytes(8, 3) + entryBytes(12, 5));
        rules = std::make_unique<StartListRules>(store->path(), nullptr);
        QVERIFY(rules->open());
    }

    void refusedTimeKeepsTheEditAndEscapeDropsIt()
    {
        MessageRecorder messages;
        StartListWindow window(*rules, QStringLiteral("Lista startowa"));
        QVERIFY(showActive(window));
        window.list()->setCurrentItem(window.list()->topLevelItem(0));
        QTest::keyClick(window.list(), Qt::Key_Return);
        QVERIFY(window.openEdit());
        QCOMPARE(window.openEdit()->text(), QStringLiteral("8"));
        window.openEdit()->selectAll();
        QTest::keyClicks(window.openEdit(), QStringLiteral("601"));
        QTest::keyClick(window.openEdit(), Qt::Key_Return);
        QCOMPARE(messages.asked.size(), std::size_t{1});
        QVERIFY(window.openEdit());
        QTest::keyClick(window.openEdit(), Qt::Key_Escape);
        QVERIFY(!window.openEdit());
        QVERIFY(window.isVisible());
        QCOMPARE(rules->list().entries[0].startTime, 8);
        QVERIFY(!rules->changed());
    }

    void closingDuringAnEditTakesItFirst()
    {
        MessageRecorder messages;
        messages.answers = {MessageAnswer::Yes};
        StartListWindow window(*rules, QStringLiteral("Lista startowa"));
        QVERIFY(showActive(window));
        window.editStartTime(1);
        window.openEdit()->setText(QStringLiteral("700"));
        window.reject();
        QVERIFY(window.isVisible()); // refused: the edit and the window stay
        QVERIFY(window.openEdit());
        window.openEdit()->setText(QStringLiteral("7"));
        window.reject();
        QVERIFY(!window.isVisible());
        QCOMPARE(messages.ids(), (std::vector<int>{0, 12}));
        QCOMPARE(readFile(store->path() / "Start.List"), entryBytes(8, 3) + entryBytes(7, 5));
    }

    void popupOffersTheCommands()
    {
        StartListWindow window(*rules, QStringLiteral("Lista startowa"));
        std::unique_ptr<QMenu> menu(window.createMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        QCOMPARE(texts, (QStringList{"Generuj", "Sortuj", "Zamknij"}));
        QVERIFY(showActive(window));
        QTest::keyClick(window.list(), Qt::Key_Menu);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(qobject_cast<QMenu*>(popup));
        popup->close();
        window.sort();
        QCOMPARE(window.list()->topLevelItem(0)->text(0), QStringLiteral("8 "));
        QCOMPARE(window.list()->topLevelItem(0)->text(1), QStringLiteral("3 "));
    }

    void paramsDialogKeepsARefusedFieldFocused()
    {
        MessageRecorder messages;
        StartListParamsDialog dialog(StartListParams{4, 0});
        QVERIFY(showActive(dialog));
        QCOMPARE(dialog.intervalEdit()->text(), QStringLiteral("4"));
        dialog.emptyPositionsEdit()->setText(QStringLiteral("101"));
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.emptyPositionsEdit()->hasFocus());
        dialog.emptyPositionsEdit()->setText(QStringLiteral("2"));
        grabIfAsked(dialog, QStringLiteral("start_list_params"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.params().emptyPositions, 2);
        QCOMPARE(messages.asked.size(), std::size_t{1});
    }

    // The views minimise with the window below them, and come back with it.
    void windowsMinimiseAndRestoreTogether()
    {
        StartListWindow below(*rules, QStringLiteral("Lista startowa"));
        below.show();
        QVERIFY(QTest::qWaitForWindowExposed(&below));
        auto* nested = new FinishOrderWindow(FinishOrderRules(), QStringLiteral("Statystyka"), &below);
        nested->show();
        QVERIFY(QTest::qWaitForWindowExposed(nested));
        nested->setWindowState(Qt::WindowMinimized);
        if (!nested->isMinimized())
            QSKIP("this platform does not minimise windows");
        QVERIFY(below.isMinimized());
        below.setWindowState(Qt::WindowNoState);
        QVERIFY(!nested->isMinimized());
    }

    // The stage window's entries reach both windows through the program's opener.
    void programOpenerShowsBothWindows()
    {
        MessageRecorder messages;
        TempFolder stage;
        stage.writeFile("Stage.Definition", std::string(sizeof(StageDefinition), '\0'));
        StageContext context;
        context.stageFolder = stage.path();
        context.title = "Wrzos      kategoria  TP      etap  E1";
        QStringList seen;
        auto closeWhenShown = [&seen] {
            QTimer::singleShot(0, [&seen] {
                QWidget* window = QApplication::activeModalWidget();
                seen << (window ? window->windowTitle() : QString());
                if (auto* dialog = qobject_cast<QDialog*>(window))
                    dialog->reject();
            });
        };
        ProgramWindowOpener opener;
        closeWhenShown();
        opener.openStartList(context);
        closeWhenShown();
        opener.openFinishOrder(context);
        const QString title = QStringLiteral("Lista startowa :      Wrzos      kategoria  TP      etap  E1");
        QCOMPARE(seen, (QStringList{title, title}));
        QVERIFY(messages.asked.empty());
    }

    void bothWindowsOnTheSampleCompetition()
    {
        QTemporaryDir demoStore;
        QProcess demo;
        demo.start(QStringLiteral(TROP_CLI_PATH), {QStringLiteral("demo"), demoStore.path()});
        QVERIFY(demo.waitForFinished(60000));
        QCOMPARE(demo.exitCode(), 0);
        const std::filesystem::path category = std::filesystem::path(demoStore.path().toStdString()) / "Wrzos 2026" / "TP";
        auto members = std::make_unique<MemberTable>();
        QVERIFY(loadMembers(category, *members) > 0);
        MessageRecorder messages;

        StartListRules startList(category / "E1", members.get(), [] { return 20261208u; });
        QVERIFY(startList.open());
        startList.generate({4, 2});
        StartListWindow listWindow(startList, QStringLiteral("Lista startowa :      Wrzos 2026      kategoria  TP      etap  E1"));
        QVERIFY(showActive(listWindow));
        QCOMPARE(listWindow.list()->topLevelItemCount(), startList.rowCount());
        QCOMPARE(listWindow.statusLine()->currentMessage(), QStringLiteral("Ziarno losowania: 20261208"));
        listWindow.editStartTime(1);
        grabIfAsked(listWindow, QStringLiteral("start_list"));
        listWindow.openEdit()->clear();
        QTest::keyClick(listWindow.openEdit(), Qt::Key_Escape);

        const std::filesystem::path stage = category / "E1";
        const FinishOrderRules finishRules = FinishOrderRules::open(stage, members.get());
        QVERIFY(!finishRules.closesAtOnce());
        FinishOrderWindow finishWindow(finishRules, QStringLiteral("Lista startowa :      Wrzos 2026      kategoria  TP      etap  E1"));
        QVERIFY(showActive(finishWindow));
        QVERIFY(finishWindow.list()->topLevelItemCount() > 0);
        QCOMPARE(finishWindow.list()->columnCount(), 23);
        const QTreeWidgetItem* first = finishWindow.list()->topLevelItem(0);
        QVERIFY(first->data(3, ResultsCellDelegate::kSquareColourRole).canConvert<QColor>());
        grabIfAsked(finishWindow, QStringLiteral("finish_order"));
        QVERIFY(messages.asked.empty());
    }

private:
    std::unique_ptr<TempFolder> store;
    std::unique_ptr<StartListRules> rules;
};

QTEST_MAIN(StartListWidgetTest)
#include "startlist_widget_test.moc"
