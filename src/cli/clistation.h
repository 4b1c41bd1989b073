#pragma once

#include "cli/cliapplication.h"

#include <QString>

class TdtmMain;

// What the commands that work on one owner's station share: the application object
// (cliapplication.h), and the main database opened with the owner of a call made
// current as the pages would (id, call, document language, personal directory).

// Opens the database file db on dm.conMainDb and selects the owner with that call
// (the first one when several share it). Empty on success, otherwise the reason.
QString OpenOwnerOfCall(TdtmMain &dm, const QString &db, const QString &call);
