// The small modal dialog shown while a printout's worker thread runs: it
// shows "Przygotowanie wydruku", then "Strona %d z %d" for the page being
// painted. While the worker runs, "Przerwanie", Escape and the close box ask
// it to stop (the flag is atomic); once it has ended, they close the dialog,
// which also closes itself. Enter does nothing.
#pragma once

#include "trop/print/page_ops.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QThread;

namespace trop {

class PrintProgressDialog : public QDialog {
    Q_OBJECT

public:
    // work runs in the worker thread; it reports pages through its second
    // argument, which may be called from any thread.
    using Work = std::function<void(const AbortFlag& abort, const std::function<void(int, int)>& page)>;

    PrintProgressDialog(QWidget* parent, const QString& title, Work work);
    ~PrintProgressDialog() override;

    // Starts the worker and runs the dialog until the worker has ended.
    int exec() override;

    bool abortRequested() const { return abort_.load(); }
    bool finished() const { return finished_; }
    QString statusText() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPage(int page, int total);
    void workerEnded();

    QLabel* status_;
    QPushButton* abortButton_;
    Work work_;
    AbortFlag abort_{false};
    bool finished_ = false;
    QThread* worker_ = nullptr;
};

} // namespace trop
