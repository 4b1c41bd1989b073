#pragma once

#include <QString>

class TJetConnection;

// Columns that newer versions of the program added to the user tables. A
// database made by an older version gains them when it is opened, with the
// default that keeps its rows meaning what they meant.

// tblStation.AntennasSimTx (Yes/No, default Yes): the placement transmits at the
// same time as the other antennas of its site, so that their exposures add up.
inline const QString SimultaneousColumn = QStringLiteral("AntennasSimTx");

// Adds what the open main database lacks; returns an error text, empty on
// success (also when there was nothing to add, or no tblStation at all).
QString UpgradeMainSchema(TJetConnection &connection);
