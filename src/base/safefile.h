#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

// A file the program writes for the user. The bytes go into a temporary file
// beside the target (the target's name, a dot and six letters or digits);
// every write, the flush and the sync to disk are checked, and only a complete
// file is renamed onto the target. On any failure the temporary file is
// removed and an earlier file under the target's name stays exactly as it was.
//
// Use: open(), write() as often as needed, commit(). Destroying the object
// without a successful commit() discards the temporary file.
class TSafeFile
{
public:
    explicit TSafeFile(const QString &path);
    ~TSafeFile();
    TSafeFile(const TSafeFile &) = delete;
    TSafeFile &operator=(const TSafeFile &) = delete;

    bool open();
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // Syncs the temporary file and renames it onto the target.
    bool commit();
    // Removes the temporary file; the target is left alone.
    void discard();

    QString path() const { return m_path; }
    bool isOpen() const;
    // "Cannot write <path>: <reason>" after a failure, else empty.
    QString errorText() const { return m_error; }

private:
    bool fail(const QString &reason);

    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QString m_error;
};

// Writes bytes to path through TSafeFile. On failure error (when given)
// receives TSafeFile::errorText().
bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *error);

// True for the name of a temporary file left beside a document, archive or
// database by an interrupted write: a name ending in .pdf, .zip, .mdb, .rtf,
// .bmp, .jpg or .txt followed by a dot and six letters or digits
// ("ON9ZZ_Vlm.zip.aB12cD"). Such files never belong in a package or a list.
bool IsTemporaryFileName(const QString &fileName);

// Removes the temporary files of interrupted writes directly in folder (not
// below it). Returns how many were removed.
int RemoveTemporaryFiles(const QString &folder);

// Tests: from now on the program's file writes fail, as on a full disk, once
// this many bytes have been written in total (counted over every file);
// a negative value ends the failure.
void InjectWriteFailureAfter(qint64 bytes);
