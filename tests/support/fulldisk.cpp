#include "fulldisk.h"

#include "base/safefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

TSmallDisk::TSmallDisk(qint64 bytes)
{
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/vlm-smalldisk-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        m_reason = QStringLiteral("no folder to mount on: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_path = QString::fromLocal8Bit(pattern);
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    if (::mount("tmpfs", pattern.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) !=
        0) {
        m_reason = QStringLiteral("tmpfs could not be mounted: ") +
                   QString::fromLocal8Bit(std::strerror(errno));
        ::rmdir(pattern.constData());
        m_path.clear();
        return;
    }
    m_mounted = true;
}

TSmallDisk::~TSmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    if (!m_path.isEmpty())
        ::rmdir(QFile::encodeName(m_path).constData());
}

bool TSmallDisk::fill()
{
    if (!m_mounted)
        return false;
    const QByteArray name = QFile::encodeName(m_path + QStringLiteral("/filler"));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    bool full = false;
    while (!full) {
        const ssize_t written = ::write(fd, block.constData(), static_cast<size_t>(block.size()));
        if (written < 0 && errno == ENOSPC)
            full = true;
        else if (written < 0)
            break;
        else if (written < block.size()) {
            // The last few bytes: go on byte by byte until nothing fits.
            while (::write(fd, "x", 1) == 1) {
            }
            full = errno == ENOSPC;
            break;
        }
    }
    ::close(fd);
    return full;
}

bool TSmallDisk::makeReadOnly()
{
    return m_mounted && ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs",
                                MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

TScopedWriteFailure::TScopedWriteFailure(qint64 bytes)
{
    InjectWriteFailureAfter(bytes);
}

TScopedWriteFailure::~TScopedWriteFailure()
{
    InjectWriteFailureAfter(-1);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
