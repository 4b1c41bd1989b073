#pragma once

#include <QPointF>
#include <QRectF>
#include <QVector>

// The mapping between world coordinates (metres, Y up) and the pixels of a plot
// area (Y down), and the grid steps of an axis. No widget needed.
class TXYScale
{
public:
    TXYScale() = default;
    // world: left = X min, top = Y min, width and height = the spans. A span
    // that is not positive is widened to 1 so that the mapping stays defined.
    TXYScale(const QRectF &world, const QRectF &pixels);

    QPointF toPixel(const QPointF &world) const;
    QPointF toWorld(const QPointF &pixel) const;

    // Pixels per metre along X and Y.
    double xFactor() const { return m_xFactor; }
    double yFactor() const { return m_yFactor; }

    const QRectF &world() const { return m_world; }
    const QRectF &pixels() const { return m_pixels; }

private:
    QRectF m_world{0, 0, 1, 1};
    QRectF m_pixels{0, 0, 1, 1};
    double m_xFactor = 1;
    double m_yFactor = 1;
};

// A "nice" grid step (1, 2 or 5 times a power of ten) that gives at most about
// maxLines lines over the span, and the multiples of it within [low, high].
double GridStep(double span, int maxLines);
QVector<double> GridValues(double low, double high, int maxLines);

// Cuts the segment a–b to the part inside box (Liang–Barsky), so that a point far
// outside the view (a steep line, a strong zoom) never reaches the painter as an
// absurd coordinate. False when nothing of it lies inside or a value is not finite.
bool ClipSegment(QPointF &a, QPointF &b, const QRectF &box);
