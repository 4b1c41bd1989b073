#pragma once

#include "reports/exportsource.h"

#include <QString>
#include <QStringList>

// The texts derived from the owner row and the statements that write the
// regulator's tables. Pure functions: the export runs what they return.

// The application row of the five file tables.
constexpr int ExportApplicationKey = 61;
// Vertical diagram: two rows for each whole-degree step 0 ... 100 of an antenna.
constexpr int VerticalDiagramSteps = 101;
constexpr int VerticalDiagramRowsPerAntenna = 2 * VerticalDiagramSteps;

struct TExportApplicant {
    QString name;      // first name and name
    QString address;   // complement first, then street
    QString telephone; // home, office and mobile joined by two spaces
    QString reference; // call (other operators), or the club call
    QString ownerNote; // lines ending in CR LF
    QString siteNote;  // lines ending in CR LF; a club station adds a closing line
    QString siteAddress;
};

TExportApplicant DeriveApplicant(const TExportOwnerRow &owner);

// "Group: " + family + " / Type: " + type + " / Make-Description: " + make.
QString AntennaDescription(const TExportAntennaRow &antenna);

// UPDATE ... WHERE key =61, one for each of FileTable, File1Table ... File4Table.
QString FileLanguageUpdate(const QString &letter);
QString File1Update(const TExportOwnerRow &owner, const TExportApplicant &applicant);
QString File2Update(const TExportOwnerRow &owner, const TExportApplicant &applicant);
QString File3Update(const TExportOwnerRow &owner, const TExportApplicant &applicant);
QString File4Update();

// The statements that empty the three antenna tables filled per antenna, and the
// vertical diagram table.
QStringList ClearAntennaTables();
QString ClearVerticalDiagram();

// The default antenna, the antenna entry and the horizontal diagram of antenna n.
QStringList AntennaInserts(int n, const TExportAntennaRow &antenna);

// Relative gains of the vertical diagram steps 0 ... 100 for the antenna's
// pattern: the envelope table entry minus the gain at 0°, as written ("-3.25").
// The table ends at 90°; the steps 91 to 100 repeat the entry of 90°.
QStringList VerticalDiagramGains(const AntennaPattern &pattern);

// The two rows of step k of antenna n: keys firstKey and firstKey + 1.
QStringList VerticalDiagramStepInserts(int n, int k, int firstKey, const QString &gain);
