// The icon list and the navigation windows as widgets, offscreen.
#include "navigation_fakes.h"
#include "widget_test_support.h"
#include "trop/ui/navigation/main_window.h"
#include "trop/ui/navigation/main_window_rules.h"
#include "trop/ui/navigation/navigation_list.h"
#include "trop/ui/navigation/navigation_window.h"
#include "trop/ui/navigation/qt_navigation_host.h"
#include "trop/ui/dialogs/competition_dialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace trop;
using namespace trop::test;

namespace {

QStringList actionTexts(const QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << (action->isSeparator() ? QString("|") : action->text());
    return texts;
}

QAction* actionNamed(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

QPoint entryCentre(NavigationList& list, int row)
{
    return list.visualItemRect(list.item(row)).center();
}

} // namespace

class NavigationWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void rightPressReportsEntryOrEmptySpace()
    {
        NavigationList list;
        list.addItem("Dodaj");
        list.addItem("Wrzos");
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy menus(&list, &NavigationList::menuRequested);

        QTest::mousePress(list.viewport(), Qt::RightButton, {}, QPoint(390, 290));
        QTest::mousePress(list.viewport(), Qt::RightButton, {}, entryCentre(list, 1));
        QCOMPARE(menus.count(), 2);
        QCOMPARE(menus.at(0).at(0).toInt(), -1);
        QCOMPARE(menus.at(1).at(0).toInt(), 1);
        QCOMPARE(menus.at(1).at(1).toPoint(), list.viewport()->mapToGlobal(entryCentre(list, 1)));
    }

    void doubleClickOpensOnlyEntries()
    {
        NavigationList list;
        list.addItem("Dodaj");
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy opens(&list, &NavigationList::openRequested);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(390, 290));
        QCOMPARE(opens.count(), 0);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, entryCentre(list, 0));
        QCOMPARE(opens.count(), 1);
        QCOMPARE(opens.at(0).at(0).toInt(), 0);
    }

    void menuKeysAskForPopupOfCurrentEntry()
    {
        NavigationList list;
        list.addItem("Dodaj");
        list.addItem("Wrzos");
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy menus(&list, &NavigationList::menuRequested);
        list.setCurrentRow(1);
        QTest::keyClick(&list, Qt::Key_Menu);
        QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(menus.count(), 2);
        QCOMPARE(menus.at(0).at(0).toInt(), 1);
        QCOMPARE(menus.at(1).at(0).toInt(), 1);
    }

    void enterDoesNothingAndEscClosesWindow()
    {
        TempFolder store;
        store.makeFolder("Wrzos");
        MessageRecorder messages;
        FakeHost host;
        RecordingOpener opener;
        MainWindowRules rules(store.path(), host, opener);
        MainWindow window(rules);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        NavigationList* list = window.list();
        list->setFocus();
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            QTest::keyClick(list, Qt::Key_Return);
            QTest::keyClick(list, Qt::Key_Enter);
        }
        QCOMPARE(host.dialogsRun, 0);
        QVERIFY(host.windowsRun.empty());
        QVERIFY(window.isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void popupCommandAppliesToItsTargetAndRebuildsList()
    {
        TempFolder store;
        store.makeFolder("Alfa");
        MessageRecorder messages;
        messages.answers = {MessageAnswer::Yes};
        FakeHost host;
        RecordingOpener opener;
        MainWindowRules rules(store.path(), host, opener);
        MainWindow window(rules);
        QCOMPARE(window.list()->count(), 2);

        std::unique_ptr<QMenu> menu(window.createMenu(1));
        QCOMPARE(actionTexts(*menu), (QStringList{"Otwórz", "Edytuj", "Drukuj", "Ustawienia drukarki", "Usuń",
                                                  "|", "&About Trop..."}));
        actionNamed(*menu, "Usuń")->trigger();
        QCOMPARE(messages.ids(), std::vector<int>{5});
        QCOMPARE(QString::fromStdString(messages.asked[0].arg1), QString("Alfa"));
        QCOMPARE(window.list()->count(), 1);
        QCOMPARE(window.list()->item(0)->text(), QString("Dodaj"));
    }

    void emptySpaceOfMainWindowOffersAddCloseAndAbout()
    {
        TempFolder store;
        FakeHost host;
        RecordingOpener opener;
        MainWindowRules rules(store.path(), host, opener);
        MainWindow window(rules);
        std::unique_ptr<QMenu> empty(window.createMenu(kNoEntry));
        QCOMPARE(actionTexts(*empty), (QStringList{"Dodaj", "Zamknij", "|", "&About Trop..."}));
        std::unique_ptr<QMenu> add(window.createMenu(0));
        QCOMPARE(actionTexts(*add), (QStringList{"Dodaj", "|", "&About Trop..."}));

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        actionNamed(*empty, "Zamknij")->trigger();
        QVERIFY(!window.isVisible());
    }

    void minimisedMainWindowIgnoresClose()
    {
        TempFolder store;
        FakeHost host;
        RecordingOpener opener;
        MainWindowRules rules(store.path(), host, opener);
        MainWindow window(rules);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMinimized);
        if (!window.isMinimized())
            QSKIP("this platform does not minimise windows");
        QVERIFY(!window.close());
        window.setWindowState(Qt::WindowNoState);
        QVERIFY(window.close());
    }

    void programHostRunsDialogsAndWindowsOverTheActiveOne()
    {
        TempFolder store;
        MessageRecorder messages;
        QtNavigationHost host;
        WindowOpener opener;
        MainWindowRules rules(store.path(), host, opener);
        MainWindow window(rules);
        window.setWindowModality(Qt::ApplicationModal); // as exec() runs it
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QWidget* dialogParent = nullptr;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CompetitionDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogParent = dialog->parentWidget();
            dialog->shortNameEdit()->setText("Wrzos");
            dialog->accept();
        });
        std::unique_ptr<QMenu> menu(window.createMenu(kNoEntry));
        actionNamed(*menu, "Dodaj")->trigger();
        QCOMPARE(dialogParent, &window);
        QCOMPARE(window.list()->count(), 2);

        QString childTitle;
        QWidget* childParent = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* child = QApplication::activeModalWidget();
            QVERIFY(child && child != &window);
            childTitle = child->windowTitle();
            childParent = child->parentWidget();
            QTest::keyClick(child, Qt::Key_Escape);
        });
        QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, {}, entryCentre(*window.list(), 1));
        QCOMPARE(childTitle, QString("Wrzos"));
        QCOMPARE(childParent, &window);
        QVERIFY(window.isVisible());
        QVERIFY(messages.asked.empty());
    }

    void nestedWindowMinimisesAndRestoresTheOneBelow()
    {
        TempFolder store;
        store.makeFolder("Wrzos");
        FakeHost host;
        RecordingOpener opener;
        MainWindowRules mainRules(store.path(), host, opener);
        CompetitionWindowRules competition(store.path(), "Wrzos", host, opener);
        QVERIFY(competition.open());
        MainWindow below(mainRules);
        below.show();
        QVERIFY(QTest::qWaitForWindowExposed(&below));
        auto* nested = new NavigationWindow(competition, &below);
        nested->show();
        QVERIFY(QTest::qWaitForWindowExposed(nested));

        nested->setWindowState(Qt::WindowMinimized);
        if (!nested->isMinimized())
            QSKIP("this platform does not minimise windows");
        QVERIFY(below.isMinimized());
        nested->setWindowState(Qt::WindowNoState);
        QVERIFY(!below.isMinimized());

        // Restoring the window below brings the nested one back too.
        nested->setWindowState(Qt::WindowMinimized);
        below.setWindowState(Qt::WindowNoState);
        QVERIFY(!nested->isMinimized());
    }

    void eachWindowOpensOffscreen()
    {
        TempFolder store;
        store.makeFolder("Wrzos '99/TD/E1");
        store.makeFolder("Wrzos '99/X.OPEN");
        MessageRecorder messages;
        FakeHost host;
        RecordingOpener opener;

        MainWindowRules mainRules(store.path(), host, opener);
        CompetitionWindowRules competition(store.path(), "Wrzos '99", host, opener);
        QVERIFY(competition.open());
        CategoryWindowRules category(store.path(), "Wrzos '99", CategoryEntry{"TD", "TD", 2}, host, opener);
        QVERIFY(category.open());
        StageWindowRules stage(category.context(), 1, opener);
        QVERIFY(stage.open());

        struct Shown {
            NavigationRules& rules;
            const char* picture;
            int entries;
        };
        Shown windows[] = {{mainRules, "main-window", 2},
                           {competition, "competition-window", 3},
                           {category, "category-window", 4},
                           {stage, "stage-window", 5}};
        for (Shown& shown : windows) {
            std::unique_ptr<NavigationWindow> window;
            if (&shown.rules == &mainRules)
                window = std::make_unique<MainWindow>(shown.rules);
            else
                window = std::make_unique<NavigationWindow>(shown.rules);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QCOMPARE(window->windowTitle(), QString::fromStdString(shown.rules.title()));
            QCOMPARE(window->list()->count(), shown.entries);
            QVERIFY(!window->list()->accessibleName().isEmpty());
            QCOMPARE(window->list()->iconSize(), QSize(32, 32));
            // The list fills the window but for a two-pixel margin.
            QCOMPARE(window->list()->geometry(), window->rect().adjusted(2, 2, -2, -2));
            grabIfAsked(*window, shown.picture);
        }
        QVERIFY(messages.asked.empty());
    }
};

QTEST_MAIN(NavigationWidgetsTest)
#include "navigation_widgets_test.moc"
