#pragma once

#include <QString>

// Turns a statement written for Jet into one that SQLite runs with the same
// meaning. The program writes its statements as it always did for Jet, and the
// table-update files carry Jet statements too; every one passes here first.
//
// Rewritten, outside string literals and quoted names only:
//  - SELECT TOP n ...            -> SELECT ... LIMIT n (at the end of that SELECT)
//  - a & b                       -> COALESCE(a, '') || COALESCE(b, '')
//                                   (Jet joins a NULL operand as empty text)
//  - "text" (Jet string literal) -> 'text'
//  - AS 'Name' (quoted alias)    -> AS "'Name'" (Jet keeps the quotes in the name)
//  - True / False                -> 1 / 0
//  - #date#                      -> 'date'
//  - DELETE * FROM t ...         -> DELETE FROM t ...
//  - DELETE t.* FROM <joins> WHERE c
//                                -> DELETE FROM t WHERE rowid IN
//                                   (SELECT t.rowid FROM <joins> WHERE c)
//  - UCase, LCase, Len, Mid      -> upper, lower, length, substr
// Everything else, string literals above all, passes unchanged. LIKE patterns
// keep their ANSI wildcards ('%', '_'), as ADO sends them to Jet. A text with
// an unterminated literal or quoted name is returned as it is, for SQLite to
// reject.
QString JetToSqlite(const QString &jetSql);
