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

// A fresh copy of the export template "Empty_Vlm.mdb" beside the program at target,
// replacing an earlier file, and writable even when the template itself is read-only.
// False when the template is missing or the copy fails (an earlier file then stays
// only when the template is missing).
bool CopyExportTemplate(const QString &target);

// The progress range for `antennas` placements: 231 steps each and 10 more.
int ExportProgressMaximum(int antennas);
