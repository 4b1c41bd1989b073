#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Small helpers shared by several pages.

// The text at the last position whose key equals `key`; empty when none matches
// or when the text list is shorter than the key list at that position.
QString LookupTextByKey(int key, const QList<int> &keys, const QStringList &texts);

// Clears `list` and fills it with the full paths (folder, a separator when
// missing, entry name) of every entry of `folder` matching `mask`, files and
// sub-folders alike, sorted by name. Masks compare without regard to case;
// "*.*" matches every name, and in a folder other than the root also "." and "..".
void ListFolderFiles(QStringList &list, const QString &folder, const QString &mask);
