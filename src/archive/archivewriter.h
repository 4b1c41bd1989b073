#pragma once

#include <QSet>
#include <QString>

struct zip;
struct zip_source;

// Writes a standard ZIP archive with deflate compression.
//
// Use: setBaseFolder(), create(), setComment(), addFile() for each entry, finish().
// An entry is stored under its path relative to the base folder, or under its bare
// file name when it lies outside that folder. A folder is stored with everything
// below it. Each entry keeps its own modification time and permissions.
//
// The archive is built in memory and written by finish() through a temporary
// file that is renamed onto the final name only when every byte reached the
// disk, so a failure never leaves a half-written archive under the final name,
// and an archive of an earlier run stays intact until the new one is complete.
// Requests to add the archive itself, the navigation entries "." and ".." and
// temporary files of interrupted writes (IsTemporaryFileName) are ignored, so
// that an entry list taken from the archive's own folder can be passed as it is.
//
// Errors are sticky: after the first failure every later call returns false,
// finish() discards the work, and errorText() tells what went wrong first.
class ArchiveWriter
{
public:
    ArchiveWriter();
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    void setBaseFolder(const QString &folder);
    QString baseFolder() const { return m_baseFolder; }

    // Starts a new archive at archivePath, replacing any existing file there when
    // finish() succeeds. Fails when the folder does not exist or cannot be written.
    bool create(const QString &archivePath);
    bool setComment(const QString &comment);
    // Adds a file, or a folder with its content. "." and ".." and the archive
    // itself are skipped and count as success; adding the same path twice stores it once.
    bool addFile(const QString &path);
    // Compresses and writes every entry, then puts the archive in place.
    bool finish();

    QString errorText() const { return m_error; }
    // Entries (files and folders) stored so far.
    int entryCount() const;

private:
    bool fail(const QString &text);
    bool failFromLibzip(const QString &what);
    QString entryNameFor(const QString &absolutePath) const;
    bool isArchiveItself(const QString &absolutePath) const;
    bool addEntry(const QString &absolutePath, const QString &entryName);
    bool addFolderContent(const QString &absoluteFolder, const QString &entryPrefix);
    bool setEntryAttributes(qint64 index, const QString &absolutePath, bool folder);
    bool writeEmptyArchive();
    bool writeBuffer();
    void discard();

    zip *m_zip = nullptr;
    zip_source *m_buffer = nullptr; // the archive's bytes while it is built
    QString m_baseFolder;
    QString m_archivePath;
    QByteArray m_comment;
    QString m_error;
    QSet<QString> m_addedSources;
};
