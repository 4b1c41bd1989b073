#include "charts/ui/polarchart.h"

#include "base/numberformat.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace
{
constexpr int RingCount = 4;
constexpr int LabelRoom = 34;   // pixels kept right of the outer ring for ray labels
constexpr int LabelHeight = 14; // pixels kept above and below it for the same labels
} // namespace

TPolarChart::TPolarChart(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TPolarChart::clear()
{
    m_polylines.clear();
}

void TPolarChart::addPolyline(const QVector<QPointF> &points, const QColor &colour,
                              Qt::PenStyle style, int width)
{
    m_polylines.append(Polyline{points, colour, style, width});
}

void TPolarChart::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void TPolarChart::setCentre(const QPointF &shares)
{
    m_centre = shares;
}

void TPolarChart::setMargins(int top, int bottom)
{
    m_topMargin = top;
    m_bottomMargin = bottom;
}

void TPolarChart::setRadialRange(double low, double high)
{
    m_low = low;
    m_high = high;
}

void TPolarChart::setAngleOffset(double degrees)
{
    m_angleOffset = degrees;
}

void TPolarChart::setCounterClockwise(bool counterClockwise)
{
    m_counterClockwise = counterClockwise;
}

void TPolarChart::setRays(double step, double first, double last)
{
    m_rayStep = step;
    m_firstRay = first;
    m_lastRay = last;
}

void TPolarChart::setAngleLabelShift(double shift)
{
    m_labelShift = shift;
}

QString TPolarChart::angleLabel(double chartAngle) const
{
    return FormatRounded(chartAngle + m_labelShift) + QChar(0x00B0);
}

TPolarScale TPolarChart::scale() const
{
    TPolarScale s;
    s.centre = QPointF(width() * m_centre.x(), height() * m_centre.y());
    const double vertical = (height() - m_topMargin - m_bottomMargin) / 2.0 - LabelHeight;
    const double horizontal = width() - s.centre.x() - LabelRoom;
    s.radius = qMax(1.0, qMin(vertical, horizontal));
    s.low = m_low;
    s.high = m_high;
    s.angleOffset = m_angleOffset;
    s.counterClockwise = m_counterClockwise;
    return s;
}

QSize TPolarChart::sizeHint() const
{
    return QSize(240, 200);
}

void TPolarChart::paintGrid(QPainter &painter, const TPolarScale &s) const
{
    painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= RingCount; ++ring) {
        const double r = s.radius * ring / RingCount;
        painter.drawEllipse(s.centre, r, r);
    }
    const QFontMetrics metrics(painter.font());
    if (m_rayStep > 0) {
        for (double a = m_firstRay; a <= m_lastRay + 1e-9; a += m_rayStep) {
            painter.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
            const double phi = qDegreesToRadians(s.screenAngle(a));
            const QPointF dir(qCos(phi), -qSin(phi));
            painter.drawLine(s.centre, s.centre + dir * s.radius);
            const QString label = angleLabel(a);
            const QPointF anchor = s.centre + dir * (s.radius + 4 + metrics.height() / 2.0);
            QRectF box(0, 0, metrics.horizontalAdvance(label) + 2, metrics.height());
            box.moveCenter(anchor + QPointF(dir.x() * box.width() / 2.0, 0));
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignCenter, label);
        }
    }
    // Value of each ring, written where the ring crosses the line straight
    // below the centre.
    painter.setPen(QColor(90, 90, 90));
    for (int ring = 1; ring <= RingCount; ++ring) {
        const double value = m_low + (m_high - m_low) * ring / RingCount;
        const QPointF at(s.centre.x() + 3, s.centre.y() + s.radius * ring / RingCount - 2);
        painter.drawText(at, FormatRounded(value, 1));
    }
}

void TPolarChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TPolarScale s = scale();
    paintGrid(painter, s);
    for (const Polyline &line : m_polylines) {
        if (line.points.isEmpty())
            continue;
        painter.setPen(QPen(line.colour, line.width, line.style, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath path(s.map(line.points.first().x(), line.points.first().y()));
        for (int i = 1; i < line.points.size(); ++i)
            path.lineTo(s.map(line.points.at(i).x(), line.points.at(i).y()));
        painter.drawPath(path);
    }
    if (!m_title.isEmpty()) {
        painter.setPen(Qt::black);
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignTop | Qt::AlignRight, m_title);
    }
}
