// The run of a printout, the same for every printout: header, print dialog,
// data, then the pages rendered by the worker into a temporary document that
// reaches the printer (or the chosen file) only when it is complete.
#pragma once

#include "trop/print/printout.h"

#include <string>

namespace trop {

enum class RenderStatus {
    Complete,   // every page is in the temporary document
    Aborted,    // the user stopped the job; nothing is kept
    NoPages,    // nothing to print; no job is started
    CannotOpen, // the temporary document could not be created
};

// What the flow needs from the platform.
class PrintHost {
public:
    virtual ~PrintHost() = default;
    // The print dialog; false when it was cancelled.
    virtual bool choosePrinter() = 0;
    // The progress dialog and the worker that lays out and paints the pages.
    virtual RenderStatus render(const Printout& printout) = 0;
    // Hands the complete document to the printer or moves it onto the chosen
    // file; false when that fails.
    virtual bool deliver() = 0;
    // Drops the temporary document, if any.
    virtual void discard() = 0;
    // The printer or file, as message 6 names it (UTF-8).
    virtual std::string targetName() const = 0;
};

// Runs the printout through the host: prepare, header, print dialog, data,
// pages, delivery. Messages are shown on the caller's
// thread: message 7 for the header, the printout's own message when there is
// nothing to print, message 6 with the target's name when the printer or the
// file cannot be reached. Cancel and abort print nothing and show nothing.
// True when the document reached its target.
bool runPrintFlow(Printout& printout, PrintHost& host);

} // namespace trop
