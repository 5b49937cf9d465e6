// Writing a printout as a PDF document at a fixed 600 dots per inch, on the
// page layout (paper, orientation, margins) of the chosen printer or of the
// command line.
#pragma once

#include "trop/print/print_flow.h"
#include "trop/print/printout.h"

#include <QPageLayout>
#include <QString>

#include <functional>

namespace trop {

inline constexpr int kPdfResolution = 600;

// The printable area of the page layout at the PDF resolution.
DeviceMetrics pdfMetrics(const QPageLayout& layout);

// The footer's date: the local long date and time, code page 1250.
std::string printDateText();

using PageProgress = std::function<void(int page, int total)>;

struct PdfResult {
    RenderStatus status = RenderStatus::CannotOpen;
    int pages = 0;
};

// Lays the printout out and paints its pages into file. An abort, or a
// document without pages, leaves no file behind.
PdfResult writePrintoutPdf(const Printout& printout, const QPageLayout& layout, const QString& file,
                           const AbortFlag& abort, const PageProgress& progress);

// The same written to a temporary file beside target and renamed over it
// when complete, so target is never left half-written.
PdfResult writePrintoutPdfAtomically(const Printout& printout, const QPageLayout& layout, const QString& target,
                                     const AbortFlag& abort, const PageProgress& progress);

} // namespace trop
