#include "base/installlayout.h"

#include "base/preferences.h"
#include "base/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

const QString DatabaseName = QStringLiteral("VlmMain.mdb");

std::optional<bool> &WritableOverride()
{
    static std::optional<bool> writable;
    return writable;
}

QString WithSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString Translate(const char *text)
{
    return QCoreApplication::translate("InstallLayout", text);
}

bool SameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(QFileInfo(a).absoluteFilePath()) ==
           QDir::cleanPath(QFileInfo(b).absoluteFilePath());
}

// Copies through a temporary name, so that a failed copy never leaves a
// half-written database where the next start would open it.
bool CopyDatabase(const QString &from, const QString &to, QString *error)
{
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    QFile source(from);
    if (!source.copy(partial)) {
        *error = Translate("The database %1 could not be copied to %2: %3")
                     .arg(from, to, source.errorString());
        QFile::remove(partial);
        return false;
    }
    // The shipped file is read-only for users; their copy must not be.
    QFile::setPermissions(partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                       QFile::WriteUser);
    if (!QFile::rename(partial, to)) {
        *error = Translate("The database could not be placed at %1.").arg(to);
        QFile::remove(partial);
        return false;
    }
    return true;
}

} // namespace

bool IsProgramFolderWritable()
{
    if (WritableOverride().has_value())
        return *WritableOverride();
    const QFileInfo folder(ProgramFolder());
    return folder.isDir() && folder.isWritable();
}

void SetProgramFolderWritableOverride(std::optional<bool> writable)
{
    WritableOverride() = writable;
}

QString UserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

UserDatabasePreparation PrepareUserDatabase()
{
    UserDatabasePreparation result;
    if (IsProgramFolderWritable())
        return result;

    // A database the user chose or was given earlier stays in use.
    const QString stored = TPreferences::dbPath();
    if (!stored.isEmpty() && !SameFolder(stored, ProgramFolder()) &&
        QFileInfo(WithSeparator(stored) + DatabaseName).isFile()) {
        result.databaseFolder = WithSeparator(stored);
        return result;
    }

    const QString userFolder = UserDataFolder();
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder)) {
        result.ok = false;
        result.error =
            Translate("The folder for your data could not be created: %1").arg(userFolder);
        return result;
    }
    const QString target = WithSeparator(userFolder) + DatabaseName;
    if (!QFileInfo(target).isFile()) {
        const QString shipped = ProgramFile(DatabaseName);
        if (!QFileInfo(shipped).isFile()) {
            result.ok = false;
            result.error =
                Translate("The program's folder holds no database to start from: %1").arg(shipped);
            return result;
        }
        if (!CopyDatabase(shipped, target, &result.error)) {
            result.ok = false;
            return result;
        }
        result.copied = true;
    }
    result.databaseFolder = WithSeparator(userFolder);
    const PreferenceResult written = TPreferences::setDbPath(result.databaseFolder);
    if (!written.ok) {
        result.ok = false;
        result.error = written.error;
    }
    return result;
}

QString DefaultUserDirectoryFor(const QString &call)
{
    if (IsProgramFolderWritable())
        return WithSeparator(ProgramFolder()) + call;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return WithSeparator(documents) + QStringLiteral("Velmor/") + call;
}

QString ScratchFile(const QString &name)
{
    if (IsProgramFolderWritable())
        return ProgramFile(name);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    return WithSeparator(cache) + name;
}
