// The printer and its page settings chosen for the rest of the run: every
// print dialog opens with them and keeps what the user confirms. Never saved.
#pragma once

class QPrinter;
class QWidget;

namespace trop {

// The run's printer; made on first use. GUI thread only.
QPrinter& printerSettings();

// "Ustawienia drukarki": the page set-up dialog on the run's printer; OK
// keeps the new choice, Cancel the old one.
void showPrinterSetup(QWidget* parent);

} // namespace trop
