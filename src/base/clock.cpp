#include "base/clock.h"

namespace
{
QDateTime &overrideMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime CurrentDateTime()
{
    const QDateTime &fixed = overrideMoment();
    return fixed.isValid() ? fixed : QDateTime::currentDateTime();
}

void SetClockOverride(const QDateTime &moment)
{
    overrideMoment() = moment;
}
