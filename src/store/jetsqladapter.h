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
//  - c COUNTER [(seed, step)] in CREATE TABLE
//                                -> c INTEGER PRIMARY KEY AUTOINCREMENT
//                                   (a PRIMARY KEY on that column alone is dropped)
//  - LIKE 'pattern' with Jet wildcards (TJetWildcards::UpdateFile only)
//                                -> GLOB 'pattern' (JetLikeToGlob)
// Everything else, string literals above all, passes unchanged. The program's
// own LIKE patterns keep their ANSI wildcards ('%', '_'), as ADO sends them to
// Jet, and take '*', '?', '#' and '[' literally, as in typed references. A
// text with an unterminated literal or quoted name is returned as it is, for
// SQLite to reject.
enum class TJetWildcards {
    Program,    // ADO's ANSI wildcards: % and _
    UpdateFile, // also Jet's own: * ? # [ ] [! ]
};
QString JetToSqlite(const QString &jetSql, TJetWildcards wildcards = TJetWildcards::Program);

// A Jet LIKE pattern as a GLOB pattern of the same meaning: * and % any text,
// ? and _ one character, # one digit, [a-c] and [!a-c] character classes, and
// every letter matched without regard to case ([aA]). Empty when the pattern
// needs no GLOB (no * ? # [) or is not a valid Jet pattern (an open "[").
QString JetLikeToGlob(const QString &pattern);
