#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>

class TdtmMain;

// The findings of the terrain study: the owner's OwnerFileNote.

// The note as the memo shows it: the stored lines without the break after the last.
TOpResult<QString> ReadOwnerFileNote(TdtmMain &dm, qint32 ownerId);

// Stores the memo's lines as the owner's OwnerFileNote. The operation owns the lines.
TOpStatus SaveOwnerFileNote(TdtmMain &dm, qint32 ownerId, QStringList lines);
