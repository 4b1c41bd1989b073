#pragma once

#include <QDateTime>

// The one clock for dates printed in documents and archive comments.
// Tests fix it with SetClockOverride() so that printed dates are predictable.
QDateTime CurrentDateTime();

// Makes CurrentDateTime() return the given moment; an invalid QDateTime
// restores the system clock.
void SetClockOverride(const QDateTime &moment);
