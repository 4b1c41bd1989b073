#pragma once

#include "store/recordresult.h"

#include <QString>
#include <functional>

class TdtmMain;

// How the export tells its progress; every member may be left empty.
struct TExportProgress {
    std::function<void(int maximum)> start; // show the bar: range 0 ... maximum, at 0
    std::function<void()> advance;          // one step done
    std::function<void()> finish;           // back to 0 and hidden
};

// Fills the regulator's export database, open on the data module's conExport,
// with the current owner's data (owner and document language of CurrentSelection):
// the application row 61 of the five file tables is updated, and the four antenna
// tables receive one default antenna, one antenna entry, one horizontal and one
// vertical diagram per antenna placement of the owner, replacing what they held.
// Reads through qryTemp1 of the main connection, writes through qryExport.
//
// Stops at the first failing statement and returns its error; what was written up
// to then stays in the file. Running it twice on the same file gives the same content.
TOpStatus BuildExportDatabase(TdtmMain &dm, const TExportProgress &progress = {});

// How creating the export file ended.
struct TExportFileResult {
    enum class Failure {
        None,
        TemplateMissing,    // no "Empty_Vlm.mdb" beside the program
        TemplateUnreadable, // it is not an Access database with tables
        Connection,         // the staging database could not be made or opened
        Statement,          // a statement of the export failed
        Writing,            // the Access file could not be written
    };
    Failure failure = Failure::None;
    QString detail;
    bool ok() const { return failure == Failure::None; }
};

// The regulator export database of the current owner at target (call + "_Vlm.mdb"
// in the owner's folder), as the submission page and vlmcli make it: the template
// "Empty_Vlm.mdb" beside the program is read into a temporary SQLite staging
// database, the export connection conExport opens it, BuildExportDatabase runs its
// statements there, and the staging tables are written as an Access 2000 file
// under a temporary name beside target, then renamed to it. On any failure an
// earlier file at target stays as it was.
TExportFileResult CreateExportDatabase(TdtmMain &dm, const QString &target,
                                       const TExportProgress &progress = {});

// The message for the user when creating the export file failed (one or more
// lines, without the caption).
QString ExportFailureMessage(const TExportFileResult &result);

// The confirmation after the export file was written: where it is and how
// many antenna placements it holds (without the caption).
QString ExportWrittenMessage(const QString &target, int antennas);

// The progress range for `antennas` placements: 231 steps each and 10 more.
int ExportProgressMaximum(int antennas);
