#include "trop/ui/printing/print_progress_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace trop {

PrintProgressDialog::PrintProgressDialog(QWidget* parent, const QString& title, Work work)
    : QDialog(parent), work_(std::move(work))
{
    setWindowTitle(title);
    status_ = new QLabel(QStringLiteral("Przygotowanie wydruku"), this);
    status_->setAlignment(Qt::AlignCenter);
    status_->setAccessibleName(QStringLiteral("Postęp wydruku"));
    abortButton_ = new QPushButton(QStringLiteral("Przerwanie"), this);
    abortButton_->setAutoDefault(false);
    abortButton_->setAccessibleName(QStringLiteral("Przerwanie"));
    connect(abortButton_, &QPushButton::clicked, this, &PrintProgressDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(abortButton_, 0, Qt::AlignHCenter);
    setMinimumSize(300, 110);
}

PrintProgressDialog::~PrintProgressDialog()
{
    if (worker_ != nullptr) {
        abort_.store(true);
        worker_->wait();
    }
}

QString PrintProgressDialog::statusText() const { return status_->text(); }

int PrintProgressDialog::exec()
{
    // The dialog outlives the worker (its destructor waits for it), and a
    // queued call to a deleted dialog is dropped.
    worker_ = QThread::create([this] {
        work_(abort_, [this](int page, int total) {
            QMetaObject::invokeMethod(this, [this, page, total] { showPage(page, total); }, Qt::QueuedConnection);
        });
    });
    connect(worker_, &QThread::finished, this, &PrintProgressDialog::workerEnded, Qt::QueuedConnection);
    worker_->start();
    return QDialog::exec();
}

void PrintProgressDialog::showPage(int page, int total)
{
    status_->setText(QStringLiteral("Strona %1 z %2").arg(page).arg(total));
}

void PrintProgressDialog::workerEnded()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    finished_ = true;
    done(abort_.load() ? QDialog::Rejected : QDialog::Accepted);
}

void PrintProgressDialog::reject()
{
    if (finished_ || worker_ == nullptr)
        QDialog::reject();
    else
        abort_.store(true);
}

void PrintProgressDialog::closeEvent(QCloseEvent* event)
{
    if (finished_ || worker_ == nullptr) {
        QDialog::closeEvent(event);
        return;
    }
    abort_.store(true);
    event->ignore();
}

void PrintProgressDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace trop
