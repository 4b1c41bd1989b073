#include "store/online/onlinewatchping.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
enum class IcmpOutcome { Unavailable, Answered, Silent, Failed };

// One echo request on an unprivileged ICMP datagram socket (the kernel fills
// in the identifier and the checksum is computed here).
IcmpOutcome icmpEcho(const QHostAddress &address, int timeoutMs, QString *error)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0)
        return IcmpOutcome::Unavailable;

    struct icmphdr request;
    std::memset(&request, 0, sizeof request);
    request.type = ICMP_ECHO;
    request.un.echo.sequence = htons(1);
    sockaddr_in target;
    std::memset(&target, 0, sizeof target);
    target.sin_family = AF_INET;
    target.sin_addr.s_addr = htonl(address.toIPv4Address());

    IcmpOutcome outcome = IcmpOutcome::Silent;
    if (::sendto(fd, &request, sizeof request, 0, reinterpret_cast<sockaddr *>(&target),
                 sizeof target) < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        outcome = IcmpOutcome::Failed;
    } else {
        pollfd waitFor{fd, POLLIN, 0};
        if (::poll(&waitFor, 1, timeoutMs) > 0) {
            char reply[256];
            if (::recv(fd, reply, sizeof reply, 0) >= static_cast<ssize_t>(sizeof(icmphdr)))
                outcome = IcmpOutcome::Answered;
        }
    }
    ::close(fd);
    return outcome;
}
} // namespace

TPingResult PingHost(const QString &host, int timeoutMs)
{
    TPingResult result;
    QHostAddress address(host);
    if (address.isNull()) {
        const QHostInfo info = QHostInfo::fromName(host);
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
            result.error =
                QCoreApplication::translate("PingHost", "The host %1 cannot be found.").arg(host);
            return result;
        }
        address = info.addresses().constFirst();
    }

    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        QString error;
        switch (icmpEcho(address, timeoutMs, &error)) {
        case IcmpOutcome::Answered:
            result.ok = result.answered = true;
            return result;
        case IcmpOutcome::Silent:
            result.ok = true;
            return result;
        case IcmpOutcome::Failed:
            result.error = error;
            return result;
        case IcmpOutcome::Unavailable:
            break; // not allowed here: ask port 80 instead
        }
    }

    QTcpSocket socket;
    socket.connectToHost(address, 80);
    if (socket.waitForConnected(timeoutMs)) {
        result.ok = result.answered = true;
        socket.abort();
        return result;
    }
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        result.ok = result.answered = true; // the host said no: it is there
        break;
    case QAbstractSocket::SocketTimeoutError:
        result.ok = true;
        break;
    default:
        result.error = socket.errorString();
        break;
    }
    socket.abort();
    return result;
}
