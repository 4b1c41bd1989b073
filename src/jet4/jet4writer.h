#pragma once

#include "jet4database.h"

#include <string>

// Writes a complete Access 2000 (Jet 4, 4 KiB pages) database in one pass: the
// database definition page, the global usage map, the system tables with their
// catalogue, permissions and indexes, and every user table with its definition,
// data pages, long-value pages, usage maps and primary-key index.
namespace jet4
{

struct WriteOptions {
    // Creation and update time of the catalogue's objects, in days since
    // 30 December 1899 (local time); below 0: now.
    double created = -1;
};

// The file's bytes, or why the database cannot be written (a name Access does
// not accept, a value that does not fit its column, a duplicate key, ...).
Status WriteDatabase(const Database &database, Bytes &file, const WriteOptions &options = {});

// The current local time in the form WriteOptions takes.
double OleDateNow();

} // namespace jet4
