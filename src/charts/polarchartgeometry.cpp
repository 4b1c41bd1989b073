#include "charts/polarchartgeometry.h"

#include <QtMath>

double TPolarScale::distance(double value) const
{
    if (!(high > low))
        return radius;
    const double share = (value - low) / (high - low);
    return qMax(0.0, share) * radius;
}

double TPolarScale::screenAngle(double chartAngle) const
{
    const double turned = chartAngle + angleOffset;
    return counterClockwise ? turned : -turned;
}

QPointF TPolarScale::map(double chartAngle, double value) const
{
    const double d = distance(value);
    const double phi = qDegreesToRadians(screenAngle(chartAngle));
    return QPointF(centre.x() + d * qCos(phi), centre.y() - d * qSin(phi));
}
