#pragma once

#include <QPointF>

// Where a polar chart puts a point given as (chart angle in degrees, value).
// The chart angle is turned by the angle offset and runs counter-clockwise or
// clockwise; the value is scaled linearly from the range's low end at the
// centre to its high end on the outer ring. Screen y grows downwards.
struct TPolarScale {
    QPointF centre;
    double radius = 0; // pixels from the centre to the outer ring
    double low = 0;    // value drawn at the centre
    double high = 1;   // value drawn on the outer ring
    double angleOffset = 0;
    bool counterClockwise = true;

    // Distance from the centre in pixels; values below the range sit at the
    // centre, an empty range puts every value on the outer ring.
    double distance(double value) const;
    // Direction of a chart angle on screen, in mathematical degrees.
    double screenAngle(double chartAngle) const;
    QPointF map(double chartAngle, double value) const;
};
