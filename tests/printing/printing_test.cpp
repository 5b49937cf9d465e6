// The progress dialog's worker, abort and closing, and PDF documents that
// appear only when complete.
#include "trop/ui/pdf/pdf_render.h"
#include "trop/ui/printing/print_progress_dialog.h"
#include "trop/ui/printing/printer_settings.h"
#include "trop/ui/printing/qt_print_host.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace trop;

namespace {

// Two pages with a line and a Polish text each.
class TwoPages : public Printout {
public:
    std::string documentName() const override { return "Kategoria TP"; }
    void readHeader() override {}
    bool loadData() override { return true; }
    PrintLayout layOut(const LayoutRequest& request) const override
    {
        PrintLayout layout;
        layout.aborted = request.abort.load();
        for (int i = 0; i < 2; ++i) {
            PrintPage page;
            page.lines.push_back({10, 10, 1000, 10, 4});
            page.texts.push_back({{10, 20, 2000, 200}, "Zesp\xF3\xB3", TextAlign::Left, TextVAlign::Centre, {100, true}, false});
            layout.pages.push_back(page);
        }
        return layout;
    }
};

QPageLayout a4() { return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5)); }

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapeAsksTheWorkerToStopAndTheDialogClosesWhenItEnds();
    void dialogClosesItselfWhenTheWorkerIsDone();
    void completeDocumentReplacesTheTargetAndAnAbortLeavesItAlone();
    void printToFileThroughTheDialogs();
    void printerSetupKeepsTheChoiceForTheRun();
};

void PrintingTest::escapeAsksTheWorkerToStopAndTheDialogClosesWhenItEnds()
{
    std::atomic<bool> reported{false};
    PrintProgressDialog dialog(nullptr, QStringLiteral("Etap E1"), [&](const AbortFlag& abort, const auto& page) {
        page(1, 3);
        reported = true;
        while (!abort.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    bool openAfterEnter = false, openAfterEscape = false, abortAfterEnter = true;
    QString status;
    QTimer::singleShot(0, &dialog, [&] {
        QTRY_VERIFY(reported.load());
        QTRY_COMPARE(dialog.statusText(), QStringLiteral("Strona 1 z 3"));
        status = dialog.statusText();
        dialog.grab().save(QStringLiteral(TROP_PNG_DIR "/print_progress.png"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        abortAfterEnter = dialog.abortRequested();
        openAfterEnter = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        openAfterEscape = dialog.isVisible();
    });
    dialog.exec();
    QCOMPARE(status, QStringLiteral("Strona 1 z 3"));
    QVERIFY(!abortAfterEnter);
    QVERIFY(openAfterEnter);
    QVERIFY(openAfterEscape); // the worker was still running
    QVERIFY(dialog.abortRequested());
    QVERIFY(dialog.finished());
    QVERIFY(!dialog.isVisible());
}

void PrintingTest::dialogClosesItselfWhenTheWorkerIsDone()
{
    PrintProgressDialog dialog(nullptr, QStringLiteral("Wrzos"), [](const AbortFlag&, const auto& page) { page(1, 1); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QVERIFY(dialog.finished());
    QVERIFY(!dialog.abortRequested());
}

void PrintingTest::completeDocumentReplacesTheTargetAndAnAbortLeavesItAlone()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("wyniki.pdf"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    TwoPages printout;
    AbortFlag abort{true};
    QCOMPARE(writePrintoutPdfAtomically(printout, a4(), target, abort, {}).status, RenderStatus::Aborted);
    QCOMPARE(fileBytes(target), QByteArray("old"));

    abort = false;
    std::vector<int> pages;
    const PdfResult result =
        writePrintoutPdfAtomically(printout, a4(), target, abort, [&](int page, int total) {
            pages.push_back(page * 10 + total);
        });
    QCOMPARE(result.status, RenderStatus::Complete);
    QCOMPARE(result.pages, 2);
    QCOMPARE(pages, (std::vector<int>{12, 22}));
    QVERIFY(fileBytes(target).startsWith("%PDF"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("wyniki.pdf")});
}

void PrintingTest::printToFileThroughTheDialogs()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("druk.pdf"));
    QPrinter& printer = printerSettings();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    bool dialogSeen = false;
    QTimer accept;
    connect(&accept, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogSeen = true;
            dialog->accept();
        }
    });
    accept.start(20);
    TwoPages printout;
    QVERIFY(printWithDialogs(nullptr, printout, QStringLiteral("Wrzos")));
    QVERIFY(dialogSeen);
    QVERIFY(fileBytes(target).startsWith("%PDF"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("druk.pdf")});
}

void PrintingTest::printerSetupKeepsTheChoiceForTheRun()
{
    QPrinter& printer = printerSettings();
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(6, 6, 6, 6)));
    for (bool confirm : {false, true}) {
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                confirm ? dialog->accept() : dialog->reject();
        });
        answer.start(20);
        showPrinterSetup(nullptr);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    }
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
