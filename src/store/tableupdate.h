#pragma once

#include <QString>
#include <functional>

class TdtmMain;

// Applying the maker's table-update file to the main database.

// Local copy of the downloaded file: "VlmTblUpdate.txt" beside the program, or
// in the user's cache folder when the program's folder cannot be written.
QString LocalTableUpdateFile();

// Name of the file that follows a database version: "VlmTblUpdate" + n + ".txt",
// where n is the version read as an integer (0 when it is not one) plus 1.
QString TableUpdateFileName(const QString &databaseVersion);

// Path of that file on the maker's server: "/vlmupdates/" + the name.
QString TableUpdateServerPath(const QString &databaseVersion);

// Update files larger than this are refused unread.
constexpr qint64 MaxTableUpdateFileSize = 10 * 1024 * 1024;

struct TTableUpdateResult {
    enum Outcome {
        NoFile,    // nothing to apply
        Ignored,   // not an update file (first line), deleted unapplied
        Refused,   // too large or unreadable, deleted unapplied
        Applied,   // every block ran and the changes are committed
        Failed,    // a block failed; the database is as it was before the file
        Forbidden, // a block would change the user's data or the database's
                   // structure; refused, the database is as it was before the file
    };
    Outcome outcome = NoFile;
    int blocksRun = 0;   // statements executed (before the failure, if any)
    int failedBlock = 0; // number of the block that failed
    QString error;       // why it failed or was refused; empty otherwise

    bool ok() const { return outcome != Failed && outcome != Refused && outcome != Forbidden; }
};

// Progress texts for the splash: "Applying Updates...", "Applying Update (n)...",
// "Updates were successfull...".
using TableUpdateProgress = std::function<void(const QString &)>;

// Applies the update file at `file` to conMainDb, then deletes the file (also
// when it was ignored, refused or failed). All statements of the file run in
// one transaction: when one fails, none of them stays. The statements may
// change only the reference tables (TTableUpdateGuard); their LIKE patterns
// may use Jet's wildcards.
TTableUpdateResult ApplyTableUpdateFile(TdtmMain &dm, const QString &file,
                                        const TableUpdateProgress &progress = {});

// ApplyTableUpdateFile on LocalTableUpdateFile().
TTableUpdateResult ApplyTableUpdates(TdtmMain &dm, const TableUpdateProgress &progress = {});
