#include "trop/ui/shell/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace trop {

namespace {

const QByteArray kActivateRequest = "activate\n";
const QByteArray kActivateReply = "ok\n";

QString lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("trop.lock"));
}

// Short (the recorded value is kept under 50 characters) and new for every
// run, so a socket left behind by a crashed copy is never mistaken for ours.
QString newServerName()
{
    return QStringLiteral("TropMainWindow-%1").arg(QCoreApplication::applicationPid());
}

// Only a name of this program's own making is ever removed: the recorded
// value comes from a settings file that anything may have changed.
bool isServerNameOfOurs(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^TropMainWindow-[0-9]+$"));
    return pattern.match(name).hasMatch();
}

void recordServerName(const QString& name)
{
    QSettings settings(QStringLiteral("Lirnik"), QStringLiteral("Trop"));
    settings.beginGroup(QStringLiteral("Global"));
    settings.setValue(QStringLiteral("ClassName"), name);
    settings.endGroup();
    settings.sync();
}

// One attempt to deliver the request; true when the running copy confirmed it.
bool sendActivation(const QString& serverName, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivateRequest);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == kActivateReply;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryToBecomeFirst()
{
    lock_ = std::make_unique<QLockFile>(lockFilePath());
    lock_->setStaleLockTime(0); // only a lock whose owner died is stale
    if (!lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError)
        return false;

    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = newServerName();
    // Holding the lock, no other copy runs: a recorded server is left behind
    // by a copy that was killed, and its socket file goes.
    const QString stale = recordedServerName();
    if (lock_->isLocked() && stale != name && isServerNameOfOurs(stale))
        QLocalServer::removeServer(stale);
    QLocalServer::removeServer(name);
    if (server_->listen(name)) {
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
        recordServerName(name);
    }
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() != kActivateRequest)
                    continue;
                socket->write(kActivateReply);
                socket->flush();
                emit activationRequested();
            }
        });
    }
}

bool SingleInstance::activateRunningCopy(int timeoutMs)
{
    // The running copy may be between taking the lock and recording its
    // name, so keep trying until the time is up.
    QElapsedTimer clock;
    clock.start();
    while (true) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0)
            return false;
        const QString name = recordedServerName();
        if (!name.isEmpty() && sendActivation(name, left))
            return true;
        QThread::msleep(50);
    }
}

QString SingleInstance::recordedServerName()
{
    QSettings settings(QStringLiteral("Lirnik"), QStringLiteral("Trop"));
    return settings.value(QStringLiteral("Global/ClassName")).toString();
}

void SingleInstance::bringToFront(QWidget* window)
{
    if (!window)
        return;
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
    // The window on top of the modal chain is the one the user works in.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window) {
        modal->show();
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace trop
