#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <functional>
#include <memory>

class QThread;

// The online watch: polls the machine's own addresses at once and then every
// 100 ms on a thread
// of its own and reports on the thread that created it (the user-interface
// thread) whenever the machine changes between online and offline. It starts
// offline, so a machine with a network is reported online by the first poll,
// and a machine without one is never reported.
class TOnlineWatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOnlineWatch)

public:
    using AddressSource = std::function<QList<QHostAddress>()>;

    // source: where the addresses come from; empty means
    // QNetworkInterface::allAddresses(). It is called on the watch's thread.
    explicit TOnlineWatch(AddressSource source = {}, int intervalMs = 100,
                          QObject *parent = nullptr);
    ~TOnlineWatch() override;

    // Starts polling; does nothing while active.
    void Activate();
    // Stops polling and waits for the thread to end.
    void Deactivate();
    bool isActive() const;

    // The state of the last report (false before the first one).
    bool isOnline() const { return m_online; }

    // Online: some address that is neither loopback nor link-local nor empty.
    static bool IsOnline(const QList<QHostAddress> &addresses);

signals:
    void statusChanged(bool online);

private:
    void report(bool online);

    AddressSource m_source;
    int m_intervalMs;
    std::unique_ptr<QThread> m_thread;
    bool m_online = false;
};
