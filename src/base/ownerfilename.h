#pragma once

#include <QString>

// One rule names every file the program writes for an owner: the call followed
// by the document's suffix ("_VLM_Loc01-Ant01.pdf", "_Vlm.zip", ...). A path
// separator or control character anywhere in the name becomes "_", so that a
// portable call such as "ON9ZZ/P" gives "ON9ZZ_P_VLM_..." and the file stays in
// the personal directory.
QString OwnerFileName(const QString &call, const QString &suffix);

// The owner's file in the personal directory: the directory, a separator and
// OwnerFileName(). Without a directory the bare file name is returned.
QString OwnerFilePath(const QString &userDirectory, const QString &call, const QString &suffix);
