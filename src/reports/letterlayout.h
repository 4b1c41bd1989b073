#pragma once

#include "reports/documentdata.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The texts of the letters to the regulator (low-power letter, cover letters and
// special-case declarations), before they are placed on the page.

// Body lines the first page of a cover letter holds; the rest goes on a page headed "./.".
constexpr int CoverLetterFirstPageLines = 22;
// Body lines a low-power letter or a declaration prints at most.
constexpr int ShortLetterBodyLines = 25;

// The town and date line: "Town, dd/mm/yyyy.".
QString LetterDateLine(const QString &city, const QDate &today);

// The sender block: name with the call in parentheses, the first address line, the
// second one only when it is not blank, zip and town.
QStringList SenderLines(const TOwnerLetterData &owner);

// The regulator block: name - service, address 2, address 1, zip and town.
QStringList RegulatorLines(const TRegulatorAddress &address);

// The signature: first name and name.
QString SignatureLine(const TOwnerLetterData &owner);

// Replaces "<CALL>" in every line that holds it in upper case by "(" + call + ")".
QStringList ReplaceLetterCall(const QStringList &lines, const QString &call);

// The body of a cover letter: each template line is examined once, in order. "<CALL>"
// is replaced; a line holding "<CERT_INFO>" gets the terrain-study lines (each after
// three spaces) inserted before it, a line holding "<FILE_INFO>" one line per file
// (six spaces and the file name without its folder); the placeholder itself is removed
// from the line. Two empty lines and the signature follow.
QStringList CoverLetterBody(const QStringList &templateLines, const TOwnerLetterData &owner,
                            const QStringList &terrainLines, const QStringList &files);
