#pragma once

#include "jet4database.h"

#include <string>

// Reads the user tables of an Access database (Jet 3 or Jet 4) through Debian's
// libmdb: each table's columns with their types and sizes, its rows and the
// column of a one-column primary key. Texts come as UTF-8; a Numeric column is
// read as Double. Queries and linked tables are left out, system tables unless
// asked for.
namespace jet4
{

struct ReadOptions {
    bool systemTables = false; // also MSysObjects, MSysACEs and the other system tables
};

Status ReadDatabase(const std::string &path, Database &database, const ReadOptions &options = {});
Status ReadDatabase(const Bytes &file, Database &database, const ReadOptions &options = {});

} // namespace jet4
