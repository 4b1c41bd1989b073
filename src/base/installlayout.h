#pragma once

#include <QString>
#include <optional>

// Where the program keeps what it writes when it runs from a folder the user
// may not write (an installed copy): the main database goes to the user's data
// folder and new owners' directories to the user's documents folder. A copy
// run from a folder the user owns keeps everything beside the program.

// True when the user may create and change files in the program's folder.
bool IsProgramFolderWritable();

// Makes IsProgramFolderWritable() answer as given (tests; root may write every
// folder); nothing restores the real check.
void SetProgramFolderWritableOverride(std::optional<bool> writable);

// The user's own data folder (QStandardPaths::AppDataLocation).
QString UserDataFolder();

struct UserDatabasePreparation {
    bool ok = true;
    bool copied = false;    // the shipped database was copied on this call
    QString databaseFolder; // the folder stored as DbPath, with its trailing separator
    QString error;          // the reason when !ok
};

// On a start from a program folder the user cannot write: unless the stored
// DbPath already names a folder with a "VlmMain.mdb" elsewhere, copies the
// shipped "VlmMain.mdb" into UserDataFolder() (never over an existing one),
// makes it writable for the user and stores that folder as DbPath. Does
// nothing for a writable program folder.
UserDatabasePreparation PrepareUserDatabase();

// The default personal directory of a new owner: the program's folder followed
// by the call, or the documents folder + "/Velmor/" + call when the program's
// folder cannot be written.
QString DefaultUserDirectoryFor(const QString &call);

// Where a working file the program writes and reads back (a picture for a
// report, a downloaded table update) goes: beside the program when its folder
// can be written, otherwise in the user's cache folder, created on demand.
QString ScratchFile(const QString &name);
