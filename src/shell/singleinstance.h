#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running instance per installation: the first process of a program path
// listens on a local socket named after that path; a later start from the same
// path finds it, asks it to restore and raise its window, and ends. Starts from
// other folders use other names and do not meet.
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

    QString key() const { return m_key; }

    // Registers this process as the running instance. AlreadyRunning when an
    // instance with the same key answers. A socket left behind by a process that
    // died is removed and taken over. Failed (with *error) when the socket cannot
    // be created.
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
    QLocalServer m_server;
};
