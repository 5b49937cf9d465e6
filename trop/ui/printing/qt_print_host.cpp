#include "trop/ui/printing/qt_print_host.h"

#include "trop/ui/pdf/pdf_render.h"
#include "trop/ui/pdf/print_fonts.h"
#include "trop/ui/printing/print_progress_dialog.h"
#include "trop/ui/printing/printer_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryFile>

#include <filesystem>

namespace trop {
namespace {

// The temporary document of a printer job; one beside the chosen file for
// print to file, so that it can be renamed onto it.
std::unique_ptr<QTemporaryFile> temporaryDocument(const QString& target)
{
    QString pattern = QDir(QDir::tempPath()).filePath(QStringLiteral("trop-print-XXXXXX.pdf"));
    if (!target.isEmpty()) {
        const QFileInfo info(target);
        pattern = info.absoluteDir().filePath(info.fileName() + QStringLiteral(".XXXXXX"));
    }
    auto file = std::make_unique<QTemporaryFile>(pattern);
    if (!file->open())
        return nullptr;
    file->close();
    return file;
}

} // namespace

QtPrintHost::QtPrintHost(QWidget* parent, QString progressTitle)
    : parent_(parent), progressTitle_(std::move(progressTitle))
{
}

QtPrintHost::~QtPrintHost() = default;

bool QtPrintHost::toFile() const
{
    const QPrinter& printer = printerSettings();
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

bool QtPrintHost::choosePrinter()
{
    QPrintDialog dialog(&printerSettings(), parent_);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

RenderStatus QtPrintHost::render(const Printout& printout)
{
    QPrinter& printer = printerSettings();
    documentName_ = printText(printout.documentName());
    if (!toFile() && !printer.isValid())
        return RenderStatus::CannotOpen;
    document_ = temporaryDocument(toFile() ? printer.outputFileName() : QString());
    if (document_ == nullptr)
        return RenderStatus::CannotOpen;
    const QPageLayout layout = printer.pageLayout();
    const QString file = document_->fileName();
    PdfResult result;
    PrintProgressDialog dialog(parent_, progressTitle_,
                               [&](const AbortFlag& abort, const std::function<void(int, int)>& page) {
                                   result = writePrintoutPdf(printout, layout, file, abort, page);
                               });
    dialog.exec();
    return result.status;
}

bool QtPrintHost::deliver()
{
    if (document_ == nullptr)
        return false;
    QPrinter& printer = printerSettings();
    const QString file = document_->fileName();
    if (toFile()) {
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                        | QFileDevice::ReadOther);
        std::error_code error;
        std::filesystem::rename(file.toStdString(), QFileInfo(printer.outputFileName()).absoluteFilePath().toStdString(),
                                error);
        document_->setAutoRemove(!error ? false : true);
        document_.reset();
        return !error;
    }
    QStringList arguments{QStringLiteral("-d"), printer.printerName(), QStringLiteral("-t"), documentName_,
                          QStringLiteral("-n"), QString::number(std::max(1, printer.copyCount()))};
    if (printer.duplex() == QPrinter::DuplexLongSide)
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-long-edge");
    else if (printer.duplex() == QPrinter::DuplexShortSide)
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-short-edge");
    arguments << file;
    const bool sent = QProcess::execute(QStringLiteral("lp"), arguments) == 0;
    document_.reset();
    return sent;
}

void QtPrintHost::discard() { document_.reset(); }

std::string QtPrintHost::targetName() const
{
    const QPrinter& printer = printerSettings();
    return (toFile() ? printer.outputFileName() : printer.printerName()).toStdString();
}

bool printWithDialogs(QWidget* parent, Printout& printout, const QString& progressTitle)
{
    QtPrintHost host(parent, progressTitle);
    return runPrintFlow(printout, host);
}

} // namespace trop
