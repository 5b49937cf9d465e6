// Two real copies of a probe program that follows the single-instance rule
// as the program does, each run with private runtime, temporary and settings
// folders.
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartActivatesTheFirstAndEnds();
    void crashedFirstCopyDoesNotBlockTheNextStart();
    void copiesStartedTogetherLeaveExactlyOneRunning();
    void aKilledCopysSocketIsRemovedByTheNextStart();

private:
    QProcess* start();
    static bool waitForLine(QProcess& process, const QByteArray& line, int timeoutMs = 10000);
    QString settingsFile() const { return folders_->filePath("config/Lirnik/Trop.conf"); }

    std::unique_ptr<QTemporaryDir> folders_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

void SingleInstanceTest::init()
{
    folders_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folders_->isValid());
    for (const char* sub : {"runtime", "tmp", "config"})
        QVERIFY(QDir(folders_->path()).mkdir(sub));
    QFile::setPermissions(folders_->filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void SingleInstanceTest::cleanup()
{
    for (auto& process : processes_) {
        process->kill();
        process->waitForFinished(5000);
    }
    processes_.clear();
    folders_.reset();
}

QProcess* SingleInstanceTest::start()
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", folders_->filePath("runtime"));
    environment.insert("TMPDIR", folders_->filePath("tmp"));
    environment.insert("XDG_CONFIG_HOME", folders_->filePath("config"));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(SINGLE_INSTANCE_PROBE), {});
    processes_.push_back(std::move(process));
    return processes_.back().get();
}

bool SingleInstanceTest::waitForLine(QProcess& process, const QByteArray& line, int timeoutMs)
{
    QByteArray seen;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        while (process.canReadLine()) {
            if (process.readLine().trimmed() == line)
                return true;
        }
        if (!process.waitForReadyRead(100) && process.state() == QProcess::NotRunning && !process.canReadLine())
            return false;
    }
    return false;
}

void SingleInstanceTest::secondStartActivatesTheFirstAndEnds()
{
    QProcess* first = start();
    QVERIFY(waitForLine(*first, "first"));
    QSettings recorded(settingsFile(), QSettings::IniFormat);
    const QString name = recorded.value("Global/ClassName").toString();
    QVERIFY(!name.isEmpty());
    QVERIFY(name.size() < 50);

    for (int attempt = 0; attempt < 2; ++attempt) {
        QProcess* second = start();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("activation sent"));
        QVERIFY(waitForLine(*first, "activated"));
    }
    QCOMPARE(first->state(), QProcess::Running);
}

void SingleInstanceTest::crashedFirstCopyDoesNotBlockTheNextStart()
{
    QProcess* crashed = start();
    QVERIFY(waitForLine(*crashed, "first"));
    crashed->kill(); // leaves its lock file behind
    QVERIFY(crashed->waitForFinished(5000));

    QProcess* next = start();
    QVERIFY(waitForLine(*next, "first"));
    QProcess* later = start();
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->readAllStandardOutput().trimmed(), QByteArray("activation sent"));
    QVERIFY(waitForLine(*next, "activated"));
}

void SingleInstanceTest::copiesStartedTogetherLeaveExactlyOneRunning()
{
    const std::vector<QProcess*> copies = {start(), start(), start()};
    const auto ended = [&] {
        return std::count_if(copies.begin(), copies.end(),
                             [](QProcess* p) { return p->state() == QProcess::NotRunning; });
    };
    QTRY_COMPARE_WITH_TIMEOUT(ended(), 2, 10000);
    for (QProcess* process : copies) {
        if (process->state() == QProcess::NotRunning) {
            QCOMPARE(process->exitCode(), 0);
            QCOMPARE(process->readAllStandardOutput().trimmed(), QByteArray("activation sent"));
        } else {
            QVERIFY(waitForLine(*process, "first"));
        }
    }
}

// The socket files of every server name ever recorded, in either folder
// where local sockets may live.
QStringList socketFiles(const QTemporaryDir& folders)
{
    QStringList found;
    for (const char* sub : {"runtime", "tmp"})
        for (const QString& name : QDir(folders.filePath(sub)).entryList({"TropMainWindow-*"}, QDir::System))
            found << name;
    return found;
}

void SingleInstanceTest::aKilledCopysSocketIsRemovedByTheNextStart()
{
    QProcess* killed = start();
    QVERIFY(waitForLine(*killed, "first"));
    killed->kill();
    QVERIFY(killed->waitForFinished(5000));
    QCOMPARE(socketFiles(*folders_).size(), 1);

    QProcess* next = start();
    QVERIFY(waitForLine(*next, "first"));
    const QString current = QSettings(settingsFile(), QSettings::IniFormat).value("Global/ClassName").toString();
    QCOMPARE(socketFiles(*folders_), QStringList{current});
}

} // namespace

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
