#include "base/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace
{

// Bytes the program may still write before the injected failure; negative
// when no failure is injected.
std::atomic<qint64> writeBudget{-1};

// How much of a write of size bytes the injected failure lets through.
qint64 AllowedBytes(qint64 size)
{
    qint64 budget = writeBudget.load();
    while (budget >= 0) {
        const qint64 allowed = std::min(budget, size);
        if (writeBudget.compare_exchange_weak(budget, budget - allowed))
            return allowed;
    }
    return size;
}

} // namespace

TSafeFile::TSafeFile(const QString &path) : m_path(path) {}

TSafeFile::~TSafeFile()
{
    discard();
}

bool TSafeFile::isOpen() const
{
    return m_file && m_file->isOpen();
}

bool TSafeFile::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = QCoreApplication::translate("SafeFile", "Cannot write %1: %2")
                      .arg(QDir::toNativeSeparators(m_path), reason);
    discard();
    return false;
}

bool TSafeFile::open()
{
    m_error.clear();
    discard();
    if (m_path.isEmpty())
        return fail(QCoreApplication::translate("SafeFile", "no file name given"));
    if (QFileInfo(m_path).isDir())
        return fail(QCoreApplication::translate("SafeFile", "a folder has that name"));
    m_file = std::make_unique<QSaveFile>(m_path);
    // Unbuffered: every write reaches the file system at once, so that its
    // error is seen here and not lost in a flush at the end.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(m_file->errorString());
    return true;
}

bool TSafeFile::write(const char *data, qint64 size)
{
    if (!isOpen())
        return fail(m_error.isEmpty()
                        ? QCoreApplication::translate("SafeFile", "the file is not open")
                        : m_error);
    const qint64 allowed = AllowedBytes(size);
    qint64 done = 0;
    while (done < allowed) {
        const qint64 written = m_file->write(data + done, allowed - done);
        if (written <= 0)
            return fail(m_file->errorString());
        done += written;
    }
    if (allowed < size)
        return fail(QString::fromLocal8Bit(std::strerror(ENOSPC)));
    return true;
}

bool TSafeFile::commit()
{
    if (!isOpen())
        return fail(m_error.isEmpty()
                        ? QCoreApplication::translate("SafeFile", "the file is not open")
                        : m_error);
    if (!m_file->flush())
        return fail(m_file->errorString());
    // QSaveFile syncs too but ignores the result; a file the disk could not
    // take must not replace the earlier one.
    if (::fsync(m_file->handle()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    if (!m_file->commit()) {
        const QString reason = m_file->errorString();
        m_file.reset();
        return fail(reason);
    }
    m_file.reset();
    return true;
}

void TSafeFile::discard()
{
    if (m_file) {
        if (m_file->isOpen())
            m_file->cancelWriting();
        m_file.reset(); // an uncommitted QSaveFile removes its temporary file
    }
}

bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    TSafeFile file(path);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error)
        *error = file.errorText();
    return ok;
}

bool IsTemporaryFileName(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+\\.(pdf|zip|mdb|rtf|bmp|jpg|txt)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
}

int RemoveTemporaryFiles(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return 0;
    const QDir dir(folder);
    int removed = 0;
    const QFileInfoList files =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &file : files) {
        if (IsTemporaryFileName(file.fileName()) && QFile::remove(file.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

void InjectWriteFailureAfter(qint64 bytes)
{
    writeBudget.store(bytes < 0 ? -1 : bytes);
}
