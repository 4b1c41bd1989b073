#pragma once

#include <QString>

struct TPingResult {
    bool ok = false;       // the host could be asked (an answer is not required)
    bool answered = false; // an echo reply or a TCP answer came within the time-out
    QString error;         // why the host could not be asked
};

// Asks whether `host` can be reached, the way the online check needs it: an
// ICMP echo on an unprivileged datagram socket where the kernel allows one,
// else a TCP connect to port 80 of the same host (a refused connection is an
// answer too). A host that cannot be resolved, or a network that cannot be
// reached, is an error; no answer within `timeoutMs` is not.
TPingResult PingHost(const QString &host, int timeoutMs);
