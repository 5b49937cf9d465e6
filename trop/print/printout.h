// One printout as the print flow runs it: the header is read before the
// print dialog, the data after it (both on the caller's thread, where the
// messages are shown), and the pages are laid out in the worker.
#pragma once

#include "trop/print/page_ops.h"

#include <string>

namespace trop {

struct LayoutRequest {
    DeviceMetrics device;
    const TextMeasurer& measurer;
    const AbortFlag& abort;
    std::string dateText; // the footer's date and time, code page 1250
};

class Printout {
public:
    virtual ~Printout() = default;

    // The document's name for the print system, code page 1250.
    virtual std::string documentName() const = 0;
    // What the printout needs before anything is asked; false when it
    // cannot start (its message has been shown), and nothing else happens.
    virtual bool prepare() { return true; }
    // Reads the header file; shows message 7 when it cannot (the printout
    // goes on without the header's lines).
    virtual void readHeader() = 0;
    // Loads what is printed; false when there is nothing to print, after
    // showing the printout's message.
    virtual bool loadData() = 0;
    // The pages; reads only what readHeader and loadData loaded.
    virtual PrintLayout layOut(const LayoutRequest& request) const = 0;
};

} // namespace trop
