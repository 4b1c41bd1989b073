#include "store/online/onlinewatch.h"

#include <QNetworkInterface>
#include <QThread>
#include <QTimer>

TOnlineWatch::TOnlineWatch(AddressSource source, int intervalMs, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_intervalMs(intervalMs)
{
    if (!m_source)
        m_source = [] { return QNetworkInterface::allAddresses(); };
}

TOnlineWatch::~TOnlineWatch()
{
    Deactivate();
}

bool TOnlineWatch::IsOnline(const QList<QHostAddress> &addresses)
{
    for (const QHostAddress &address : addresses) {
        if (address.isNull() || address.isLoopback() || address.isLinkLocal() ||
            address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6)
            continue;
        return true;
    }
    return false;
}

bool TOnlineWatch::isActive() const
{
    return m_thread && m_thread->isRunning();
}

void TOnlineWatch::Activate()
{
    if (isActive())
        return;
    m_thread = std::make_unique<QThread>();
    m_thread->setObjectName(QStringLiteral("OnlineWatch"));
    // Everything below lives on the watch's thread; only the changes cross over.
    auto *timer = new QTimer;
    timer->setInterval(m_intervalMs);
    timer->moveToThread(m_thread.get());
    const AddressSource source = m_source;
    const bool startState = m_online;
    auto lastState = std::make_shared<bool>(startState);
    // Deactivate() (also from the destructor) ends the thread before the watch
    // goes, and a report still queued for a deleted watch is dropped by Qt.
    auto poll = [this, source, lastState]() {
        const bool online = IsOnline(source());
        if (online == *lastState)
            return;
        *lastState = online;
        QMetaObject::invokeMethod(
            this, [this, online] { report(online); }, Qt::QueuedConnection);
    };
    connect(timer, &QTimer::timeout, timer, poll);
    // The first poll runs at once, so that a machine with a network is
    // reported before the main window's first show connects on its own.
    connect(m_thread.get(), &QThread::started, timer, poll);
    connect(m_thread.get(), &QThread::started, timer, qOverload<>(&QTimer::start));
    connect(m_thread.get(), &QThread::finished, timer, &QObject::deleteLater);
    m_thread->start();
}

void TOnlineWatch::Deactivate()
{
    if (!m_thread)
        return;
    m_thread->quit();
    m_thread->wait();
    m_thread.reset();
}

void TOnlineWatch::report(bool online)
{
    // A report queued before Deactivate() is no longer wanted.
    if (!isActive() || online == m_online)
        return;
    m_online = online;
    emit statusChanged(online);
}
