#include "reports/submissionfiles.h"

#include "base/numberformat.h"
#include "base/safefile.h"
#include "base/shellutilities.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <algorithm>

QStringList DirectoryEntryList(const QString &folder)
{
    QStringList entries;
    if (folder.isEmpty())
        return entries;
    ListFolderFiles(entries, folder, QStringLiteral("*.*"));
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const QString &path) {
                                     const QString name = QFileInfo(path).fileName();
                                     return name == QLatin1String(".") ||
                                            name == QLatin1String("..") ||
                                            IsTemporaryFileName(name) ||
                                            path.endsWith(QLatin1String("/.")) ||
                                            path.endsWith(QLatin1String("/.."));
                                 }),
                  entries.end());
    return entries;
}

QString GroupedByteCount(qint64 bytes)
{
    const QString digits = QString::number(bytes < 0 ? -bytes : bytes);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ThousandSeparator;
        grouped += digits[i];
    }
    return bytes < 0 ? QLatin1Char('-') + grouped : grouped;
}

QString FileTypeName(const QFileInfo &info)
{
    static const QMimeDatabase mimeTypes;
    const QMimeType type = mimeTypes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault()) {
        // Type names speak the system's language, as the desktop shows them; the
        // program's default locale only carries its number format.
        const QLocale programLocale;
        QLocale::setDefault(QLocale::system());
        const QString comment = type.comment();
        QLocale::setDefault(programLocale);
        if (!comment.isEmpty())
            return comment;
    }
    if (info.isDir())
        return QStringLiteral("File Folder");
    const QString extension = info.suffix();
    if (extension.isEmpty())
        return QString();
    return extension.toUpper() + QStringLiteral(" File");
}

QString FileTimeText(const QDateTime &moment)
{
    if (!moment.isValid())
        return QString();
    const QLocale locale = QLocale::system();
    return locale.toString(moment.toLocalTime(), locale.dateFormat(QLocale::ShortFormat) +
                                                     QStringLiteral(" hh:mm:ss:zzz"));
}

TFileListRow FileListRow(const QFileInfo &info)
{
    TFileListRow row;
    row.name = info.fileName();
    row.path = info.absoluteFilePath();
    const bool folder = info.isDir();
    row.marker = folder ? QStringLiteral("D") : QStringLiteral("F");
    if (!folder) {
        row.bytes = info.size();
        row.size = GroupedByteCount(row.bytes);
    }
    row.type = FileTypeName(info);
    row.created =
        FileTimeText(info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime());
    row.modified = FileTimeText(info.lastModified());
    row.accessed = FileTimeText(info.lastRead());
    QString attributes;
    if (!info.isWritable())
        attributes += QLatin1Char('R');
    if (info.isHidden())
        attributes += QLatin1Char('H');
    // Archive and system bits do not exist here; "normal" means no other bit.
    row.attributes = attributes.isEmpty() ? QStringLiteral("N") : attributes;
    return row;
}

QVector<TFileListRow> FileListRows(const QString &folder, bool *readable)
{
    QVector<TFileListRow> rows;
    const QDir dir(folder);
    const bool ok = !folder.isEmpty() && dir.exists() && dir.isReadable();
    if (readable)
        *readable = ok;
    if (!ok)
        return rows;
    if (!dir.isRoot()) {
        QDir parent(dir.absolutePath());
        parent.cdUp();
        TFileListRow up = FileListRow(QFileInfo(parent.absolutePath()));
        up.name = QLatin1Char('[') + (parent.isRoot() ? QStringLiteral("/") : parent.dirName()) +
                  QLatin1Char(']');
        up.parentRow = true;
        rows << up;
    }
    for (const QString &path : DirectoryEntryList(folder))
        rows << FileListRow(QFileInfo(path));
    return rows;
}
