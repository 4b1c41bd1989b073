#include <QtTest>

#include <QLocalSocket>
#include <QTemporaryDir>

#include <future>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "shell/singleinstance.h"

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void keyDependsOnTheFullPath_data();
    void keyDependsOnTheFullPath();
    void secondStartFromTheSameFolderTellsTheFirst();
    void startFromAnotherFolderDoesNotMeetTheFirst();
    void deadInstanceDoesNotBlockTheNextStart();
    void foreignRequestDoesNotActivate();
};

void TestSingleInstance::keyDependsOnTheFullPath_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("same path") << "/opt/vlm/Vlm" << "/opt/vlm/Vlm" << true;
    QTest::newRow("same path written differently") << "/opt/vlm/../vlm/./Vlm" << "/opt/vlm/Vlm"
                                                   << true;
    QTest::newRow("other folder") << "/opt/vlm/Vlm" << "/opt/vlm2/Vlm" << false;
    QTest::newRow("case matters on Linux") << "/opt/Vlm/Vlm" << "/opt/vlm/Vlm" << false;
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

namespace {
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
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QStringLiteral("/") + key);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);
    QVERIFY(QFile::exists(QString::fromLocal8Bit(path)));

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
        socket.connectToServer(key);
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
