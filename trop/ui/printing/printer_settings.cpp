#include "trop/ui/printing/printer_settings.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include <memory>

namespace trop {

QPrinter& printerSettings()
{
    static std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

void showPrinterSetup(QWidget* parent)
{
    QPrinter& printer = printerSettings();
    QPrinter proposal(QPrinter::HighResolution);
    proposal.setPrinterName(printer.printerName());
    proposal.setPageLayout(printer.pageLayout());
    QPageSetupDialog dialog(&proposal, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setPrinterName(proposal.printerName());
    printer.setPageLayout(proposal.pageLayout());
}

} // namespace trop
