#include "shell/singleinstance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <future>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void socketFolderIsTheUsersOwn();
    void foreignSocketsAreNeverTheRunningInstance();
    void keyDependsOnTheFullPath_data();
    void keyDependsOnTheFullPath();
    void secondStartFromTheSameFolderTellsTheFirst();
    void startFromAnotherFolderDoesNotMeetTheFirst();
    void deadInstanceDoesNotBlockTheNextStart();
    void foreignRequestDoesNotActivate();

private:
    std::unique_ptr<QTemporaryDir> m_runtime;
};

// Each test has a runtime folder of its own (QTemporaryDir makes it 0700).
void TestSingleInstance::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
}

void TestSingleInstance::cleanup()
{
    qunsetenv("XDG_RUNTIME_DIR");
    m_runtime.reset();
}

namespace
{
bool IsPrivate(const QString &folder)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// A bound socket file at path that nobody listens on; -1 on failure.
int BindSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, name.constData(), sizeof(address.sun_path));
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0)
        return -1;
    return fd;
}
} // namespace

void TestSingleInstance::socketFolderIsTheUsersOwn()
{
    QCOMPARE(TSingleInstance::SocketFolder(), m_runtime->path());
    TSingleInstance guard(TSingleInstance::KeyForProgram(QStringLiteral("/opt/vlm/Vlm")));
    QCOMPARE(QFileInfo(guard.socketPath()).absolutePath(), m_runtime->path());

    // A runtime folder others may write, or none at all: a private folder of
    // the program's own instead, never the shared temporary folder itself.
    QVERIFY(QFile::setPermissions(m_runtime->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::WriteOther |
                                                         QFile::ExeOther | QFile::ReadOther));
    for (bool unset : {false, true}) {
        if (unset)
            qunsetenv("XDG_RUNTIME_DIR");
        const QString folder = TSingleInstance::SocketFolder();
        QVERIFY(folder != m_runtime->path());
        QVERIFY(folder != QDir::tempPath());
        QVERIFY2(IsPrivate(folder), qPrintable(folder));
        QDir().rmdir(folder); // made for this test; gone when empty
    }
}

void TestSingleInstance::foreignSocketsAreNeverTheRunningInstance()
{
    if (::geteuid() != 0)
        QSKIP("a socket of another user can only be set up as root");
    const uid_t nobody = 65534;
    const QString key =
        TSingleInstance::KeyForProgram(m_runtime->filePath(QStringLiteral("a/Vlm")));
    const QString path = TSingleInstance(key).socketPath();

    // A socket file of another user, nobody listening: taken over.
    const int fd = BindSocket(path);
    QVERIFY(fd >= 0);
    ::close(fd);
    QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);
    {
        TSingleInstance first(key);
        QCOMPARE(first.registerInstance(), TSingleInstance::Registered);
        QCOMPARE(QFileInfo(path).ownerId(), ::geteuid());
    }

    // Another user's process listening on the name: not the running instance.
    QLocalServer::removeServer(path);
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const int listener = BindSocket(path);
        if (listener < 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0 ||
            ::listen(listener, 4) != 0)
            ::_exit(1);
        (void)!::write(ready[1], "l", 1);
        for (;;)
            ::pause();
    }
    ::close(ready[1]);
    char listening = 0;
    const bool started = ::read(ready[0], &listening, 1) == 1;
    ::close(ready[0]);
    if (!started)
        ::waitpid(child, nullptr, 0);
    QVERIFY(started);
    TSingleInstance first(key);
    const TSingleInstance::Registration registration = first.registerInstance();
    TSingleInstance second(key);
    const TSingleInstance::Registration secondRegistration = second.registerInstance();
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    QCOMPARE(registration, TSingleInstance::Registered);
    QCOMPARE(secondRegistration, TSingleInstance::AlreadyRunning);
}

void TestSingleInstance::keyDependsOnTheFullPath_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("same path") << "/opt/vlm/Vlm"
                               << "/opt/vlm/Vlm" << true;
    QTest::newRow("same path written differently") << "/opt/vlm/../vlm/./Vlm"
                                                   << "/opt/vlm/Vlm" << true;
    QTest::newRow("other folder") << "/opt/vlm/Vlm"
                                  << "/opt/vlm2/Vlm" << false;
    QTest::newRow("case matters on Linux") << "/opt/Vlm/Vlm"
                                           << "/opt/vlm/Vlm" << false;
}

void TestSingleInstance::keyDependsOnTheFullPath()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    const QString keyA = TSingleInstance::KeyForProgram(a);
    QCOMPARE(keyA == TSingleInstance::KeyForProgram(b), same);
    QVERIFY(!keyA.contains(QLatin1Char('/')));
    QVERIFY(keyA.size() < 40);
}

namespace
{
QString uniqueProgramPath(const QTemporaryDir &dir, const QString &folder)
{
    return dir.filePath(folder + QStringLiteral("/Vlm"));
}

// Runs the second start's blocking handshake on another thread while this
// thread's event loop serves the first instance.
std::future<bool> activateFromAnotherThread(const QString &key)
{
    return std::async(std::launch::async, [key] {
        TSingleInstance second(key);
        return second.activateRunningInstance(5000);
    });
}
} // namespace

void TestSingleInstance::secondStartFromTheSameFolderTellsTheFirst()
{
    QTemporaryDir dir;
    const QString key = TSingleInstance::KeyForProgram(uniqueProgramPath(dir, QStringLiteral("a")));
    TSingleInstance first(key);
    QCOMPARE(first.registerInstance(), TSingleInstance::Registered);
    QSignalSpy raised(&first, &TSingleInstance::activationRequested);

    TSingleInstance second(key);
    QCOMPARE(second.registerInstance(), TSingleInstance::AlreadyRunning);

    std::future<bool> confirmed = activateFromAnotherThread(key);
    QTRY_COMPARE(raised.count(), 1);
    QTRY_VERIFY(confirmed.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(confirmed.get());
}

void TestSingleInstance::startFromAnotherFolderDoesNotMeetTheFirst()
{
    QTemporaryDir dir;
    TSingleInstance first(
        TSingleInstance::KeyForProgram(uniqueProgramPath(dir, QStringLiteral("a"))));
    QCOMPARE(first.registerInstance(), TSingleInstance::Registered);
    TSingleInstance other(
        TSingleInstance::KeyForProgram(uniqueProgramPath(dir, QStringLiteral("b"))));
    QCOMPARE(other.registerInstance(), TSingleInstance::Registered);
}

void TestSingleInstance::deadInstanceDoesNotBlockTheNextStart()
{
    QTemporaryDir dir;
    const QString key = TSingleInstance::KeyForProgram(uniqueProgramPath(dir, QStringLiteral("a")));
    // What a killed instance leaves: a bound socket file that nobody listens on.
    const QString path = TSingleInstance(key).socketPath();
    const int fd = BindSocket(path);
    QVERIFY(fd >= 0);
    ::close(fd);
    QVERIFY(QFile::exists(path));

    TSingleInstance next(key);
    QCOMPARE(next.registerInstance(), TSingleInstance::Registered);
    TSingleInstance later(key);
    QCOMPARE(later.registerInstance(), TSingleInstance::AlreadyRunning);
}

void TestSingleInstance::foreignRequestDoesNotActivate()
{
    QTemporaryDir dir;
    const QString key = TSingleInstance::KeyForProgram(uniqueProgramPath(dir, QStringLiteral("a")));
    TSingleInstance first(key);
    QCOMPARE(first.registerInstance(), TSingleInstance::Registered);
    QSignalSpy raised(&first, &TSingleInstance::activationRequested);

    auto sent = std::async(std::launch::async, [key] {
        QLocalSocket socket;
        socket.connectToServer(TSingleInstance(key).socketPath());
        if (!socket.waitForConnected(5000))
            return false;
        socket.write(QByteArray(200, 'x'));
        socket.waitForBytesWritten(5000);
        // The instance drops a connection that does not speak its protocol.
        return socket.waitForDisconnected(5000) || socket.state() == QLocalSocket::UnconnectedState;
    });
    QTRY_VERIFY(sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QVERIFY(sent.get());
    QCOMPARE(raised.count(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
