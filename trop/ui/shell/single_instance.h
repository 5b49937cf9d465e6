// The rule that only one copy of the program runs per user.
//
// The first copy holds a lock file in the user's runtime folder (temporary
// folder when there is none), listens on a local socket and records the
// socket's name in QSettings("Lirnik", "Trop"), group "Global", value
// "ClassName". A later copy fails to take the lock, reads that name, asks the
// first copy to come to the front and ends without a window.
//
// Where the lock, the socket and the settings live follows the usual
// XDG_RUNTIME_DIR, TMPDIR and XDG_CONFIG_HOME variables, so tests give each
// run private folders and never touch the user's real settings.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QWidget;

namespace trop {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only running copy (also when the lock cannot be
    // used at all: better to run than to refuse). The first copy starts
    // listening for activation requests and records its socket name.
    bool tryToBecomeFirst();

    // Asks the running copy to come to the front. Waits at most timeoutMs for
    // it (it may still be starting). True when the request was delivered.
    bool activateRunningCopy(int timeoutMs = 3000);

    // The socket name that the running copy recorded, or empty.
    static QString recordedServerName();

    // Shows, raises and activates a window and the modal window above it
    // (what activationRequested calls for).
    static void bringToFront(QWidget* window);

signals:
    // Another copy was started and asks this one to come to the front.
    void activationRequested();

private:
    void acceptConnections();

    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace trop
