#include "trop/ui/pdf/pdf_render.h"

#include "trop/store/cp1250.h"
#include "trop/ui/pdf/print_fonts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cmath>
#include <filesystem>

namespace trop {
namespace {

int alignmentFlags(const TextOp& op)
{
    int flags = Qt::TextSingleLine | Qt::TextIncludeTrailingSpaces;
    switch (op.align) {
    case TextAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case TextAlign::Centre:
        flags |= Qt::AlignHCenter;
        break;
    case TextAlign::Right:
        flags |= Qt::AlignRight;
        break;
    }
    switch (op.valign) {
    case TextVAlign::Centre:
        flags |= Qt::AlignVCenter;
        break;
    case TextVAlign::Top:
        flags |= Qt::AlignTop;
        break;
    case TextVAlign::Bottom:
        flags |= Qt::AlignBottom;
        break;
    }
    if (!op.clip)
        flags |= Qt::TextDontClip;
    return flags;
}

void replayPage(QPainter& painter, PrintFonts& fonts, const PrintPage& page)
{
    for (const LineOp& line : page.lines) {
        painter.setPen(QPen(Qt::black, line.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    painter.setPen(QPen(Qt::black));
    for (const TextOp& text : page.texts) {
        painter.setFont(fonts.font(text.font));
        const QRect cell(QPoint(text.cell.left, text.cell.top), QPoint(text.cell.right - 1, text.cell.bottom - 1));
        painter.drawText(cell, alignmentFlags(text), printText(text.text));
    }
}

void removeFile(const QString& file) { QFile::remove(file); }

} // namespace

DeviceMetrics pdfMetrics(const QPageLayout& layout)
{
    const QRect pixels = layout.paintRectPixels(kPdfResolution);
    const QRectF millimetres = layout.paintRect(QPageLayout::Millimeter);
    DeviceMetrics metrics;
    metrics.widthPx = pixels.width();
    metrics.heightPx = pixels.height();
    metrics.widthMm = static_cast<int>(std::lround(millimetres.width()));
    metrics.heightMm = static_cast<int>(std::lround(millimetres.height()));
    metrics.dpiX = kPdfResolution;
    metrics.dpiY = kPdfResolution;
    return metrics;
}

std::string printDateText()
{
    const QString text = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::LongFormat);
    return utf8ToCp1250(text.toStdString());
}

PdfResult writePrintoutPdf(const Printout& printout, const QPageLayout& layout, const QString& file,
                           const AbortFlag& abort, const PageProgress& progress)
{
    PrintFonts fonts;
    const LayoutRequest request{pdfMetrics(layout), fonts, abort, printDateText()};
    const PrintLayout pages = printout.layOut(request);
    PdfResult result;
    result.pages = static_cast<int>(pages.pages.size());
    if (pages.aborted || abort.load()) {
        result.status = RenderStatus::Aborted;
        return result;
    }
    if (pages.pages.empty()) {
        result.status = RenderStatus::NoPages;
        return result;
    }

    QPdfWriter writer(file);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(printText(printout.documentName()));
    writer.setCreator(QStringLiteral("Trop"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        result.status = RenderStatus::CannotOpen;
        removeFile(file);
        return result;
    }
    for (int i = 0; i < result.pages; ++i) {
        if (abort.load()) {
            painter.end();
            removeFile(file);
            result.status = RenderStatus::Aborted;
            return result;
        }
        if (i > 0)
            writer.newPage();
        if (progress)
            progress(i + 1, result.pages);
        replayPage(painter, fonts, pages.pages[static_cast<std::size_t>(i)]);
    }
    if (!painter.end()) {
        removeFile(file);
        result.status = RenderStatus::CannotOpen;
        return result;
    }
    result.status = RenderStatus::Complete;
    return result;
}

PdfResult writePrintoutPdfAtomically(const Printout& printout, const QPageLayout& layout, const QString& target,
                                     const AbortFlag& abort, const PageProgress& progress)
{
    const QFileInfo info(target);
    QTemporaryFile temporary(info.absoluteDir().filePath(info.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open())
        return {RenderStatus::CannotOpen, 0};
    const QString temporaryName = temporary.fileName();
    temporary.close();
    PdfResult result = writePrintoutPdf(printout, layout, temporaryName, abort, progress);
    if (result.status != RenderStatus::Complete)
        return result; // the temporary file goes with its object
    QFile::setPermissions(temporaryName, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                             | QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(temporaryName.toStdString(), info.absoluteFilePath().toStdString(), error);
    if (error)
        result.status = RenderStatus::CannotOpen;
    return result;
}

} // namespace trop
