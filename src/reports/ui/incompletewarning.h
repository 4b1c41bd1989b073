#pragma once

#include <QString>

class TdtmMain;

// Asks, before a document of the current owner is made, whether to go on while
// a placement has no power chain (its field strengths would be missing from
// the document). True to go on: always when every power chain was saved, on
// Yes otherwise. A failure to read the placements is shown and stops.
bool ConfirmIncompleteEvaluation(TdtmMain &dm, const QString &caption);
