#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running instance per installation: the first process of a program path
// listens on a local socket named after that path; a later start from the same
// path finds it, asks it to restore and raise its window, and ends. Starts from
// other folders use other names and do not meet.
//
// The socket lives in a folder only the user can enter (SocketFolder()), so
// that another local user can neither take its name nor answer in its place;
// a socket or a listener of another user found there anyway is never taken
// for a running instance.
class TSingleInstance : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSingleInstance)

public:
    enum Registration { Registered, AlreadyRunning, Failed };

    explicit TSingleInstance(const QString &key, QObject *parent = nullptr);
    ~TSingleInstance() override;

    // The socket name for a program file: derived from its full, cleaned path
    // (symbolic links resolved when the file exists) and the user's home folder,
    // short and free of '/'.
    static QString KeyForProgram(const QString &programPath);

    // The folder of the socket: the user's runtime folder ($XDG_RUNTIME_DIR)
    // when it is a folder of the user's own that nobody else may enter;
    // otherwise such a folder made for the purpose ("vlm-" + user id in the
    // temporary folder, then ".vlm-runtime" in the home folder). Empty when
    // none can be had.
    static QString SocketFolder();

    QString key() const { return m_key; }
    // The socket's full path; empty without a socket folder.
    QString socketPath() const { return m_path; }

    // Registers this process as the running instance. AlreadyRunning when an
    // instance of the same user with the same key answers. A socket left behind
    // by a process that died, or one of another user, is removed and taken
    // over. Failed (with *error) when the socket cannot be created.
    Registration registerInstance(QString *error = nullptr);

    // Asks the registered instance to restore and raise its window; true when it
    // confirmed within the time-out. Blocks; call it from a process that is not
    // the registered instance itself.
    bool activateRunningInstance(int timeoutMs = 3000);

signals:
    // Another start of the same program asked this instance to come forward.
    void activationRequested();

private:
    void acceptConnections();

    QString m_key;
    QString m_path;
    QLocalServer m_server;
};
