// The print flow on the desktop: the platform print dialog on the run's
// printer, the progress dialog whose worker renders a temporary PDF at 600
// dpi, and the hand-over of the complete document: renamed onto the chosen
// file, or given to the print system ("lp") for a printer.
#pragma once

#include "trop/print/print_flow.h"

#include <QString>

#include <memory>

class QTemporaryFile;
class QWidget;

namespace trop {

class QtPrintHost : public PrintHost {
public:
    QtPrintHost(QWidget* parent, QString progressTitle);
    ~QtPrintHost() override;

    bool choosePrinter() override;
    RenderStatus render(const Printout& printout) override;
    bool deliver() override;
    void discard() override;
    std::string targetName() const override;

private:
    bool toFile() const;

    QWidget* parent_;
    QString progressTitle_;
    QString documentName_;
    std::unique_ptr<QTemporaryFile> document_;
};

// Runs a printout with the desktop's dialogs.
bool printWithDialogs(QWidget* parent, Printout& printout, const QString& progressTitle);

} // namespace trop
