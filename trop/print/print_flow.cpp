#include "trop/print/print_flow.h"

#include "trop/store/messages.h"

namespace trop {

bool runPrintFlow(Printout& printout, PrintHost& host)
{
    if (!printout.prepare())
        return false;
    printout.readHeader();
    if (!host.choosePrinter())
        return false;
    if (!printout.loadData())
        return false;
    switch (host.render(printout)) {
    case RenderStatus::Complete:
        if (host.deliver())
            return true;
        showMessage(6, host.targetName());
        host.discard();
        return false;
    case RenderStatus::CannotOpen:
        showMessage(6, host.targetName());
        break;
    case RenderStatus::Aborted:
    case RenderStatus::NoPages:
        break;
    }
    host.discard();
    return false;
}

} // namespace trop
