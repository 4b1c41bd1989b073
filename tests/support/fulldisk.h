#pragma once

// Disks that run out of space, for the tests of the program's file writes.

#include <QString>

// A small tmpfs mounted on a fresh folder for one test and unmounted (and the
// folder removed) afterwards. Mounting needs root; elsewhere mounted() is
// false and reason() says why, for the test to skip with.
class TSmallDisk
{
public:
    explicit TSmallDisk(qint64 bytes = 1024 * 1024);
    ~TSmallDisk();
    TSmallDisk(const TSmallDisk &) = delete;
    TSmallDisk &operator=(const TSmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString path() const { return m_path; }

    // Writes a filler file until the disk takes no more byte. False when the
    // disk could not be filled.
    bool fill();
    // Mounts the disk again read-only: nobody, root included, may write it.
    bool makeReadOnly();

private:
    QString m_path;
    QString m_reason;
    bool m_mounted = false;
};

// Makes the program's file writes fail as on a full disk after `bytes` more
// bytes, for the lifetime of the object (InjectWriteFailureAfter).
class TScopedWriteFailure
{
public:
    explicit TScopedWriteFailure(qint64 bytes);
    ~TScopedWriteFailure();
    TScopedWriteFailure(const TScopedWriteFailure &) = delete;
    TScopedWriteFailure &operator=(const TScopedWriteFailure &) = delete;
};

// The whole content of a file; empty when it cannot be read.
QByteArray FileBytes(const QString &path);
