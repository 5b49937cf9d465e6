// The results windows and the export on the sample competition of trop-cli.
#include "trop/model/members.h"
#include "trop/model/results.h"
#include "trop/store/messages.h"
#include "trop/ui/results/cell_elision.h"
#include "trop/ui/results/export_flow.h"
#include "trop/ui/results/results_list_rules.h"
#include "trop/ui/results/results_list_window.h"

#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using namespace trop;

class ResultsWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { asked.clear(); }
    void overallWindowShowsTheClassification();
    void stageListShowsTheRankedCards();
    void windowsCloseAtOnceWithoutData_data();
    void windowsCloseAtOnceWithoutData();
    void longTextsAreCutWithDots_data();
    void longTextsAreCutWithDots();
    void exportReportsWhatWentWrong();

private:
    fs::path category(const char* code) const { return competition / code; }
    QStringList headerTitles(const QTreeWidget* list) const;
    void savePicture(QWidget& window, const QString& name) const;

    QTemporaryDir store;
    fs::path competition;
    std::vector<MessageRequest> asked;
};

void ResultsWindowsTest::initTestCase()
{
    QVERIFY(store.isValid());
    QProcess demo;
    demo.start(QStringLiteral(TROP_CLI_PATH), {QStringLiteral("demo"), store.path()});
    QVERIFY(demo.waitForFinished(60000));
    QCOMPARE(demo.exitCode(), 0);
    competition = fs::path(store.path().toStdString()) / "Wrzos 2026";
    setMessageAnswerer([this](const MessageRequest& request) {
        asked.push_back(request);
        return defaultAnswer(request.style);
    });
}

QStringList ResultsWindowsTest::headerTitles(const QTreeWidget* list) const
{
    QStringList titles;
    for (int c = 0; c < list->columnCount(); ++c)
        titles << list->headerItem()->text(c);
    return titles;
}

void ResultsWindowsTest::savePicture(QWidget& window, const QString& name) const
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(QStringLiteral(TROP_PNG_DIR "/") + name));
}

void ResultsWindowsTest::overallWindowShowsTheClassification()
{
    const ResultsListRules rules = ResultsListRules::forCategory(category("TP"));
    QVERIFY(!rules.closesAtOnce());
    ResultsListWindow window(QStringLiteral("Wrzos 2026      kategoria  TP"), rules.grid());
    const QTreeWidget* list = window.list();

    QCOMPARE(headerTitles(list), QStringList({"Miejsce ", "Nr ", "Zespół", "PK na E1", "PP na E1", "PK na E2",
                                              "PP na E2", "PP po E2"}));
    QCOMPARE(list->topLevelItemCount(), 12);
    const QTreeWidgetItem* first = list->topLevelItem(0);
    QCOMPARE(first->text(0), QStringLiteral("1"));
    QCOMPARE(first->text(7), QStringLiteral("2000,0"));
    QVERIFY(first->text(2).contains(QStringLiteral(",     ")));
    QCOMPARE(first->textAlignment(2) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
    QCOMPARE(first->textAlignment(3) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));

    bool absent = false, unclassified = false;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        absent = absent || list->topLevelItem(r)->text(5) == QStringLiteral("ABS ");
        unclassified = unclassified || list->topLevelItem(r)->text(3) == QStringLiteral("NKL ");
    }
    QVERIFY(absent && unclassified);

    const int averageCharWidth = list->fontMetrics().averageCharWidth();
    QCOMPARE(list->columnWidth(2), 205 * averageCharWidth / 4);
    QCOMPARE(list->columnWidth(7), 57 * averageCharWidth / 4);
    QCOMPARE(list->accessibleName(), window.windowTitle());
    savePicture(window, QStringLiteral("overall_results.png"));
}

void ResultsWindowsTest::stageListShowsTheRankedCards()
{
    const ResultsListRules rules = ResultsListRules::forStage(category("TP") / "E2", category("TP"));
    QVERIFY(!rules.closesAtOnce());
    ResultsListWindow window(QStringLiteral("Wrzos 2026 / TP / E2"), rules.grid());
    const QTreeWidget* list = window.list();
    QCOMPARE(headerTitles(list), QStringList({"Miejsce ", "Nr ", "Zespół", "PK ", "PP "}));
    // one team of the category has no card in this stage
    QCOMPARE(list->topLevelItemCount(), 11);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("1"));
    QCOMPARE(list->topLevelItem(0)->text(4), QStringLiteral("1000,0"));
    QVERIFY(list->topLevelItem(0)->text(1).endsWith(QLatin1Char(' ')));
    int previous = 10001;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const int points = list->topLevelItem(r)->text(4).remove(QLatin1Char(',')).toInt();
        QVERIFY2(points <= previous, qPrintable(QString::number(r)));
        previous = points;
    }
    QVERIFY(asked.empty());
    savePicture(window, QStringLiteral("stage_results.png"));
}

void ResultsWindowsTest::windowsCloseAtOnceWithoutData_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("stageList");
    QTest::addColumn<QString>("message7");
    QTest::newRow("category without participants") << "empty" << false << "";
    QTest::newRow("unreadable participants") << "members" << false << "Class.Members.Data";
    QTest::newRow("unreadable stage results") << "results" << true << "Results";
    QTest::newRow("unreadable stage of the classification") << "stage" << false << "E1\\Results";
}

void ResultsWindowsTest::windowsCloseAtOnceWithoutData()
{
    QFETCH(QString, setup);
    QFETCH(bool, stageList);
    QFETCH(QString, message7);
    const fs::path folder = competition / ("X." + setup.toStdString());
    fs::create_directories(folder / "E1");
    if (setup == "members")
        fs::create_directories(folder / kMembersFileName);
    if (setup == "results" || setup == "stage")
        fs::create_directories(folder / "E1" / kResultsFileName);
    if (setup == "stage")
        fs::copy_file(category("TP") / kMembersFileName, folder / kMembersFileName);

    const ResultsListRules rules =
        stageList ? ResultsListRules::forStage(folder / "E1", folder) : ResultsListRules::forCategory(folder);
    QVERIFY(rules.closesAtOnce());
    if (message7.isEmpty()) {
        QVERIFY(asked.empty());
    } else {
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked.front().id, 7);
        QCOMPARE(QString::fromStdString(asked.front().arg1), message7);
    }
}

void ResultsWindowsTest::longTextsAreCutWithDots_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "Kowalski Jan" << 120 << "Kowalski Jan";
    QTest::newRow("one character too wide") << "Kowalski Jan" << 110 << "Kowalski...";
    QTest::newRow("cut to the last fitting") << "Kowalski Jan" << 75 << "Kowa...";
    QTest::newRow("never below four characters") << "Kowalski Jan" << 5 << "K...";
    QTest::newRow("short texts stay") << "ABS " << 5 << "ABS ";
}

void ResultsWindowsTest::longTextsAreCutWithDots()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, shown);
    const auto tenPixelsEach = [](const QString& t) { return int(t.size()) * 10; };
    QCOMPARE(elideCellText(text, width, tenPixelsEach), shown);
}

void ResultsWindowsTest::exportReportsWhatWentWrong()
{
    const fs::path file = fs::path(store.path().toStdString()) / "TP.csv";
    QVERIFY(runCategoryExport(category("TP"), file, "Wrzos 2026", "TP", "wtorek"));
    QVERIFY(asked.empty());
    QFile written(QString::fromStdString(file.string()));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("Wrzos 2026 Kategoria TP\n\nXXXI Mazowiecki Rajd"));
    QVERIFY(bytes.endsWith(";Lirnik s.c.;;wtorek\n"));

    // A category of a folder without a competition header: message 7 names
    // the header as the category reaches it, and the file is still written.
    const fs::path lone = fs::path(store.path().toStdString()) / "Samotna" / "TP";
    fs::create_directories(lone);
    fs::copy_file(category("TP") / kMembersFileName, lone / kMembersFileName);
    QVERIFY(runCategoryExport(lone, file, "Samotna", "TP", "wtorek"));
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].id, 7);
    QCOMPARE(asked[0].arg1, std::string("..\\Name.and.date"));

    asked.clear();
    const fs::path nowhere = fs::path(store.path().toStdString()) / "no" / "such" / "TP.csv";
    QVERIFY(!runCategoryExport(category("TP"), nowhere, "Wrzos 2026", "TP", "wtorek"));
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].id, 6);
    QCOMPARE(asked[0].arg1, nowhere.string());
}

QTEST_MAIN(ResultsWindowsTest)
#include "results_windows_test.moc"
