#include "charts/xychartscale.h"

#include <algorithm>
#include <cmath>

TXYScale::TXYScale(const QRectF &world, const QRectF &pixels) : m_world(world), m_pixels(pixels)
{
    if (!(m_world.width() > 0))
        m_world.setWidth(1);
    if (!(m_world.height() > 0))
        m_world.setHeight(1);
    if (!(m_pixels.width() > 0))
        m_pixels.setWidth(1);
    if (!(m_pixels.height() > 0))
        m_pixels.setHeight(1);
    m_xFactor = m_pixels.width() / m_world.width();
    m_yFactor = m_pixels.height() / m_world.height();
}

QPointF TXYScale::toPixel(const QPointF &world) const
{
    return {m_pixels.left() + (world.x() - m_world.left()) * m_xFactor,
            m_pixels.bottom() - (world.y() - m_world.top()) * m_yFactor};
}

QPointF TXYScale::toWorld(const QPointF &pixel) const
{
    return {m_world.left() + (pixel.x() - m_pixels.left()) / m_xFactor,
            m_world.top() + (m_pixels.bottom() - pixel.y()) / m_yFactor};
}

double GridStep(double span, int maxLines)
{
    if (!(span > 0) || !std::isfinite(span) || maxLines < 1)
        return 1;
    const double raw = span / maxLines;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

QVector<double> GridValues(double low, double high, int maxLines)
{
    QVector<double> values;
    if (!(high > low) || !std::isfinite(low) || !std::isfinite(high))
        return values;
    const double step = GridStep(high - low, maxLines);
    for (double k = std::ceil(low / step); k * step <= high + step * 1e-9; k += 1) {
        const double v = k * step;
        values.append(std::fabs(v) < step * 1e-9 ? 0.0 : v);
        if (values.size() > 1000)
            break;
    }
    return values;
}

bool ClipSegment(QPointF &a, QPointF &b, const QRectF &box)
{
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y()))
        return false;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0;
    double t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                         box.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}
