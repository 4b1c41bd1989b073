#include "archive/archivewriter.h"

#include "base/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <zip.h>

namespace
{
// Unix mode bits as stored in the upper half of an entry's external attributes.
constexpr quint32 UnixFileType = 0100000;
constexpr quint32 UnixFolderType = 0040000;
constexpr quint32 DosFolderBit = 0x10;
// zlib's default level (Z_DEFAULT_COMPRESSION). libzip's own "default" (0) would mean
// level 9, which is several times slower for little gain.
constexpr zip_uint32_t DeflateDefaultLevel = 6;

quint32 unixPermissions(QFileDevice::Permissions p)
{
    quint32 mode = 0;
    const struct {
        QFileDevice::Permission flag;
        quint32 bit;
    } bits[] = {
        {QFileDevice::ReadOwner, 0400},  {QFileDevice::WriteOwner, 0200},
        {QFileDevice::ExeOwner, 0100},   {QFileDevice::ReadGroup, 0040},
        {QFileDevice::WriteGroup, 0020}, {QFileDevice::ExeGroup, 0010},
        {QFileDevice::ReadOther, 0004},  {QFileDevice::WriteOther, 0002},
        {QFileDevice::ExeOther, 0001},
    };
    for (const auto &b : bits) {
        if (p.testFlag(b.flag))
            mode |= b.bit;
    }
    return mode;
}

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool isNavigationEntry(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name == QLatin1String(".") || name == QLatin1String("..");
}
} // namespace

ArchiveWriter::ArchiveWriter() = default;

ArchiveWriter::~ArchiveWriter()
{
    discard();
}

void ArchiveWriter::setBaseFolder(const QString &folder)
{
    m_baseFolder = folder.isEmpty() ? QString() : cleanAbsolute(folder);
}

bool ArchiveWriter::create(const QString &archivePath)
{
    discard();
    m_error.clear();
    m_comment.clear();
    m_addedSources.clear();
    if (archivePath.isEmpty())
        return fail(QStringLiteral("no archive name given"));
    m_archivePath = cleanAbsolute(archivePath);
    const QFileInfo folder(QFileInfo(m_archivePath).absolutePath());
    if (!folder.isDir())
        return fail(QStringLiteral("folder %1 does not exist").arg(folder.filePath()));
    if (!folder.isWritable())
        return fail(QStringLiteral("folder %1 cannot be written").arg(folder.filePath()));
    if (QFileInfo(m_archivePath).isDir())
        return fail(QStringLiteral("%1 is a folder").arg(m_archivePath));

    // libzip builds the archive in memory; finish() writes it through a
    // temporary file that replaces the final name only when it is complete, so
    // an existing archive is untouched until then and every write is checked.
    zip_error_t error;
    zip_error_init(&error);
    m_buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_buffer)
        m_zip = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &error);
    if (!m_zip) {
        const QString text = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        if (m_buffer)
            zip_source_free(m_buffer);
        m_buffer = nullptr;
        return fail(QStringLiteral("cannot create %1: %2").arg(m_archivePath, text));
    }
    zip_error_fini(&error);
    zip_source_keep(m_buffer); // the bytes outlive the archive's handle
    return true;
}

bool ArchiveWriter::setComment(const QString &comment)
{
    if (!m_zip)
        return fail(m_error.isEmpty() ? QStringLiteral("no archive created") : m_error);
    const QByteArray bytes = comment.toUtf8();
    if (bytes.size() > 0xFFFF)
        return fail(QStringLiteral("archive comment longer than 65535 bytes"));
    if (zip_set_archive_comment(m_zip, bytes.constData(), static_cast<zip_uint16_t>(bytes.size())) <
        0)
        return failFromLibzip(QStringLiteral("cannot set the archive comment"));
    m_comment = bytes;
    return true;
}

bool ArchiveWriter::addFile(const QString &path)
{
    if (!m_zip)
        return fail(m_error.isEmpty() ? QStringLiteral("no archive created") : m_error);
    if (path.isEmpty() || isNavigationEntry(path))
        return true;
    const QString absolute = cleanAbsolute(path);
    if (isArchiveItself(absolute) || m_addedSources.contains(absolute) ||
        IsTemporaryFileName(QFileInfo(absolute).fileName()))
        return true;
    const QFileInfo info(absolute);
    if (!info.exists())
        return fail(QStringLiteral("%1 does not exist").arg(absolute));
    const QString name = entryNameFor(absolute);
    if (name.isEmpty())
        return fail(QStringLiteral("%1 has no name to store").arg(absolute));
    if (!addEntry(absolute, name))
        return false;
    if (info.isDir() && !info.isSymLink())
        return addFolderContent(absolute, name + QLatin1Char('/'));
    return true;
}

int ArchiveWriter::entryCount() const
{
    return m_zip ? static_cast<int>(zip_get_num_entries(m_zip, 0)) : 0;
}

bool ArchiveWriter::finish()
{
    if (!m_zip)
        return fail(m_error.isEmpty() ? QStringLiteral("no archive created") : m_error);
    if (!m_error.isEmpty()) {
        discard();
        return false;
    }
    // libzip removes an archive without entries instead of writing it; an empty
    // personal folder still gets a valid, empty archive with its comment.
    if (zip_get_num_entries(m_zip, 0) == 0) {
        discard();
        return writeEmptyArchive();
    }
    if (zip_close(m_zip) < 0) {
        const QString text = QString::fromUtf8(zip_strerror(m_zip));
        discard();
        return fail(QStringLiteral("cannot write %1: %2").arg(m_archivePath, text));
    }
    m_zip = nullptr;
    const bool written = writeBuffer();
    discard();
    return written;
}

bool ArchiveWriter::writeBuffer()
{
    if (zip_source_open(m_buffer) < 0)
        return fail(QStringLiteral("cannot read the archive back: %1")
                        .arg(QString::fromUtf8(zip_error_strerror(zip_source_error(m_buffer)))));
    TSafeFile file(m_archivePath);
    bool ok = file.open();
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    while (ok) {
        const zip_int64_t read =
            zip_source_read(m_buffer, chunk.data(), static_cast<zip_uint64_t>(chunk.size()));
        if (read < 0) {
            zip_source_close(m_buffer);
            return fail(
                QStringLiteral("cannot read the archive back: %1")
                    .arg(QString::fromUtf8(zip_error_strerror(zip_source_error(m_buffer)))));
        }
        if (read == 0)
            break;
        ok = file.write(chunk.constData(), read);
    }
    zip_source_close(m_buffer);
    if (ok)
        ok = file.commit();
    if (!ok)
        return fail(file.errorText());
    return true;
}

bool ArchiveWriter::fail(const QString &text)
{
    if (m_error.isEmpty())
        m_error = text;
    return false;
}

bool ArchiveWriter::failFromLibzip(const QString &what)
{
    return fail(what + QStringLiteral(": ") + QString::fromUtf8(zip_strerror(m_zip)));
}

QString ArchiveWriter::entryNameFor(const QString &absolutePath) const
{
    if (!m_baseFolder.isEmpty()) {
        const QString relative = QDir(m_baseFolder).relativeFilePath(absolutePath);
        const bool outside = relative.isEmpty() || relative == QLatin1String(".") ||
                             relative == QLatin1String("..") ||
                             relative.startsWith(QLatin1String("../")) ||
                             QDir::isAbsolutePath(relative);
        if (!outside)
            return relative;
    }
    return QFileInfo(absolutePath).fileName();
}

bool ArchiveWriter::isArchiveItself(const QString &absolutePath) const
{
    if (absolutePath == m_archivePath)
        return true;
    const QString canonical = QFileInfo(absolutePath).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(m_archivePath).canonicalFilePath();
}

bool ArchiveWriter::addEntry(const QString &absolutePath, const QString &entryName)
{
    const QFileInfo info(absolutePath);
    const bool folder = info.isDir();
    const QByteArray name = entryName.toUtf8();
    zip_int64_t index = -1;
    if (folder) {
        index = zip_dir_add(m_zip, name.constData(), ZIP_FL_ENC_UTF_8);
    } else {
        if (!info.isReadable())
            return fail(QStringLiteral("%1 cannot be read").arg(absolutePath));
        zip_source_t *source =
            zip_source_file(m_zip, QFile::encodeName(absolutePath).constData(), 0, -1);
        if (!source)
            return failFromLibzip(QStringLiteral("cannot read %1").arg(absolutePath));
        index = zip_file_add(m_zip, name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            zip_source_free(source);
    }
    if (index < 0) {
        if (zip_error_code_zip(zip_get_error(m_zip)) == ZIP_ER_EXISTS)
            return fail(QStringLiteral("two entries would be stored as %1").arg(entryName));
        return failFromLibzip(QStringLiteral("cannot add %1").arg(absolutePath));
    }
    m_addedSources.insert(absolutePath);
    if (!folder && zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                            DeflateDefaultLevel) < 0)
        return failFromLibzip(QStringLiteral("cannot compress %1").arg(absolutePath));
    return setEntryAttributes(index, absolutePath, folder);
}

bool ArchiveWriter::addFolderContent(const QString &absoluteFolder, const QString &entryPrefix)
{
    const QFileInfoList children =
        QDir(absoluteFolder)
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Name);
    for (const QFileInfo &child : children) {
        const QString absolute = QDir::cleanPath(child.absoluteFilePath());
        if (isArchiveItself(absolute) || m_addedSources.contains(absolute) ||
            IsTemporaryFileName(child.fileName()))
            continue;
        const QString name = entryPrefix + child.fileName();
        if (!addEntry(absolute, name))
            return false;
        if (child.isDir() && !child.isSymLink() &&
            !addFolderContent(absolute, name + QLatin1Char('/')))
            return false;
    }
    return true;
}

bool ArchiveWriter::setEntryAttributes(qint64 index, const QString &absolutePath, bool folder)
{
    const QFileInfo info(absolutePath);
    const auto entry = static_cast<zip_uint64_t>(index);
    const time_t modified = static_cast<time_t>(info.lastModified().toSecsSinceEpoch());
    if (zip_file_set_mtime(m_zip, entry, modified, 0) < 0)
        return failFromLibzip(QStringLiteral("cannot set the time of %1").arg(absolutePath));
    const quint32 mode =
        (folder ? UnixFolderType : UnixFileType) | unixPermissions(info.permissions());
    const quint32 attributes = (mode << 16) | (folder ? DosFolderBit : 0);
    if (zip_file_set_external_attributes(m_zip, entry, 0, ZIP_OPSYS_UNIX, attributes) < 0)
        return failFromLibzip(QStringLiteral("cannot set the attributes of %1").arg(absolutePath));
    return true;
}

bool ArchiveWriter::writeEmptyArchive()
{
    // End of central directory record with no entries, followed by the comment.
    QByteArray record(22, '\0');
    qToLittleEndian<quint32>(0x06054b50, record.data());
    qToLittleEndian<quint16>(static_cast<quint16>(m_comment.size()), record.data() + 20);
    record += m_comment;
    QString error;
    if (!WriteFileSafely(m_archivePath, record, &error))
        return fail(error);
    return true;
}

void ArchiveWriter::discard()
{
    if (m_zip) {
        zip_discard(m_zip);
        m_zip = nullptr;
    }
    if (m_buffer) {
        zip_source_free(m_buffer);
        m_buffer = nullptr;
    }
}
