#pragma once

#include "store/recordresult.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace jet4
{
struct Column;
}

// The regulator's Access file and the SQLite staging database the export's
// statements run on. A staging table's declared column types carry the Access
// column types (names chosen so that SQLite keeps texts as texts and reals as
// reals), and its PRIMARY KEY column becomes the Access table's primary key:
//
//   INTEGER        Long Integer        VARCHAR(n)    Text (n)
//   INTEGER COUNTER  AutoNumber        LONGTEXT      Memo
//   SMALLINT       Integer             BOOLEAN       Yes/No
//   TINYINT        Byte                VARBINARY(n)  Binary (n)
//   DOUBLE, REAL   Double              LONGBLOB      OLE Object
//   FLOAT4         Single              GUID          Replication ID
//   CURRENCY       Currency            DATETIME      Date/Time

// The declared type of a staging column for an Access column, and back. False
// for a declared type that names no Access type.
QString StagingDeclaredType(const jet4::Column &column);
bool AccessColumnFromDeclaredType(const QString &declared, jet4::Column &column);

// Creates the staging database (a new SQLite file) with the tables and rows of
// an Access file.
TOpStatus LoadAccessIntoStaging(const QString &accessFile, const QString &stagingFile);

// Writes the staging database's tables as an Access 2000 (Jet 4) file: under a
// temporary name beside it, every write checked, then renamed over an earlier
// file, which stays whole when anything fails.
TOpStatus WriteStagingAsAccess(const QString &stagingFile, const QString &accessFile);

// For tests: how the file's bytes reach the device (empty: QIODevice::write), to
// see a failing write handled.
using TAccessFileWriter = std::function<qint64(QIODevice &device, const QByteArray &bytes)>;
void SetAccessFileWriter(TAccessFileWriter writer);
