#pragma once

#include <QString>
#include <memory>

class QCoreApplication;
class TdtmMain;

// What the commands that work on one owner's station share: the application object
// the SQL driver needs, and the main database opened with the owner of a call made
// current as the pages would (id, call, document language, personal directory).

// A QCoreApplication when none exists yet; keep it alive while the command runs.
std::unique_ptr<QCoreApplication> EnsureCoreApplication();

// Opens the database file db on dm.conMainDb and selects the owner with that call
// (the first one when several share it). Empty on success, otherwise the reason.
QString OpenOwnerOfCall(TdtmMain &dm, const QString &db, const QString &call);
