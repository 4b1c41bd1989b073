#include "charts/ui/xychart.h"

#include "base/numberformat.h"
#include "base/safefile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <limits>

namespace
{

constexpr int MarginLeft = 58;
constexpr int MarginRight = 14;
constexpr int MarginTop = 12;
constexpr int MarginBottom = 42;
constexpr double ClipSlack = 50; // pixels beyond the plot area still drawn (wide pens)

QPen MakePen(const QColor &colour, int width, Qt::PenStyle style)
{
    QPen pen(colour, std::max(width, 1), style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

} // namespace

TXYChart::TXYChart(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void TXYChart::setVisibleRange(double xMin, double xMax, double yMin, double yMax)
{
    m_xMin = xMin;
    m_xMax = xMax;
    m_yMin = yMin;
    m_yMax = yMax;
    update();
}

void TXYChart::setAxisCaptions(const QString &xCaption, const QString &yCaption)
{
    m_xCaption = xCaption;
    m_yCaption = yCaption;
    update();
}

void TXYChart::setGridVisible(bool visible)
{
    m_grid = visible;
    update();
}

void TXYChart::setVerticalCrosshair(double x, const QColor &colour, int width, Qt::PenStyle style)
{
    m_vertical = {true, x, colour, width, style};
    update();
}

void TXYChart::setHorizontalCrosshair(double y, const QColor &colour, int width, Qt::PenStyle style)
{
    m_horizontal = {true, y, colour, width, style};
    update();
}

void TXYChart::addLine(const QPointF &from, const QPointF &to, const QColor &colour, int width,
                       Qt::PenStyle style)
{
    m_lines.append({from, to, colour, width, style});
    update();
}

void TXYChart::setPen(const QColor &colour, int width, Qt::PenStyle style)
{
    m_penColour = colour;
    m_penWidth = width;
    m_penStyle = style;
}

void TXYChart::moveTo(const QPointF &world)
{
    m_polylines.append({{world}, m_penColour, m_penWidth, m_penStyle});
    update();
}

void TXYChart::lineTo(const QPointF &world)
{
    if (m_polylines.isEmpty())
        moveTo(world);
    else
        m_polylines.last().points.append(world);
    update();
}

void TXYChart::addMarker(const QPointF &at, int markerClass, MarkerSymbol symbol,
                         const QColor &colour, int width, int tag)
{
    m_markers.append({at, markerClass, symbol, colour, width, tag});
    update();
}

void TXYChart::addLabel(const Label &label)
{
    m_labels.append(label);
    update();
}

void TXYChart::clear()
{
    m_lines.clear();
    m_polylines.clear();
    m_markers.clear();
    m_labels.clear();
    update();
}

QRectF TXYChart::plotArea() const
{
    return QRectF(MarginLeft, MarginTop, std::max(1, width() - MarginLeft - MarginRight),
                  std::max(1, height() - MarginTop - MarginBottom));
}

TXYScale TXYChart::scale() const
{
    return TXYScale(QRectF(m_xMin, m_yMin, m_xMax - m_xMin, m_yMax - m_yMin), plotArea());
}

QPointF TXYChart::worldToPixel(const QPointF &world) const
{
    return scale().toPixel(world);
}

QPointF TXYChart::pixelToWorld(const QPointF &pixel) const
{
    return scale().toWorld(pixel);
}

int TXYChart::nearestMarkerTag(int markerClass, const QPointF &world, double maxPixels) const
{
    const TXYScale s = scale();
    const QPointF target = s.toPixel(world);
    double best = std::numeric_limits<double>::max();
    int tag = 0;
    for (const Marker &m : m_markers) {
        if (m.markerClass != markerClass)
            continue;
        const QPointF d = s.toPixel(m.at) - target;
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= maxPixels && distance < best) {
            best = distance;
            tag = m.tag;
        }
    }
    return tag;
}

QImage TXYChart::toImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const TXYScale s = scale();
    paintAxes(painter, s);
    paintItems(painter, s);
    return image;
}

bool TXYChart::saveImage(const QString &path, const char *format, int quality) const
{
    // Encoded in memory and written in one checked step; without a format the
    // file name's extension decides, as QImage::save() does for a file.
    const QByteArray suffix = QFileInfo(path).suffix().toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return toImage().save(&buffer, format ? format : suffix.constData(), quality) &&
           WriteFileSafely(path, bytes, nullptr);
}

QSize TXYChart::sizeHint() const
{
    return {640, 460};
}

void TXYChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const TXYScale s = scale();
    paintAxes(painter, s);
    paintItems(painter, s);
}

void TXYChart::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pixel = event->position();
    if (plotArea().contains(pixel))
        emit mouseMovedWorld(pixelToWorld(pixel));
    QWidget::mouseMoveEvent(event);
}

void TXYChart::paintAxes(QPainter &painter, const TXYScale &s) const
{
    const QRectF area = s.pixels();
    const QFontMetrics metrics(font());
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    const QVector<double> xs = GridValues(m_xMin, m_xMax, std::max(2, int(area.width() / 70)));
    const QVector<double> ys = GridValues(m_yMin, m_yMax, std::max(2, int(area.height() / 40)));
    if (m_grid) {
        for (double x : xs) {
            const double px = s.toPixel({x, 0}).x();
            painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        }
        for (double y : ys) {
            const double py = s.toPixel({0, y}).y();
            painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(area);
    for (double x : xs) {
        const double px = s.toPixel({x, 0}).x();
        painter.drawLine(QPointF(px, area.bottom()), QPointF(px, area.bottom() + 4));
        const QString text = FormatNumber(x);
        const int w = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(px - w / 2.0, area.bottom() + 6 + metrics.ascent()), text);
    }
    for (double y : ys) {
        const double py = s.toPixel({0, y}).y();
        painter.drawLine(QPointF(area.left() - 4, py), QPointF(area.left(), py));
        const QString text = FormatNumber(y);
        const int w = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(area.left() - 6 - w, py + metrics.ascent() / 2.0 - 1), text);
    }
    if (!m_xCaption.isEmpty()) {
        const int w = metrics.horizontalAdvance(m_xCaption);
        painter.drawText(QPointF(area.center().x() - w / 2.0, height() - 6), m_xCaption);
    }
    if (!m_yCaption.isEmpty()) {
        painter.save();
        painter.translate(metrics.ascent() + 2, area.center().y());
        painter.rotate(-90);
        const int w = metrics.horizontalAdvance(m_yCaption);
        painter.drawText(QPointF(-w / 2.0, 0), m_yCaption);
        painter.restore();
    }
}

void TXYChart::paintSegment(QPainter &painter, const TXYScale &s, const QPointF &a,
                            const QPointF &b) const
{
    QPointF p = s.toPixel(a);
    QPointF q = s.toPixel(b);
    const QRectF box = s.pixels().adjusted(-ClipSlack, -ClipSlack, ClipSlack, ClipSlack);
    if (ClipSegment(p, q, box))
        painter.drawLine(p, q);
}

void TXYChart::paintItems(QPainter &painter, const TXYScale &s) const
{
    painter.save();
    painter.setClipRect(s.pixels().adjusted(1, 1, -1, -1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const Crosshair *c : {&m_vertical, &m_horizontal}) {
        if (!c->visible)
            continue;
        painter.setPen(MakePen(c->colour, c->width, c->style));
        if (c == &m_vertical)
            paintSegment(painter, s, {c->position, m_yMin}, {c->position, m_yMax});
        else
            paintSegment(painter, s, {m_xMin, c->position}, {m_xMax, c->position});
    }
    for (const Line &l : m_lines) {
        painter.setPen(MakePen(l.colour, l.width, l.style));
        paintSegment(painter, s, l.from, l.to);
    }
    for (const Polyline &line : m_polylines) {
        QPen pen = MakePen(line.colour, line.width, line.style);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        // Drawn as one path where every point is near the view, which keeps
        // dash patterns continuous; segment by segment (clipped) otherwise.
        const QRectF box = s.pixels().adjusted(-ClipSlack, -ClipSlack, ClipSlack, ClipSlack);
        QPolygonF polygon;
        polygon.reserve(line.points.size());
        bool inside = true;
        for (const QPointF &p : line.points) {
            const QPointF px = s.toPixel(p);
            inside = inside && box.contains(px);
            polygon.append(px);
        }
        if (inside) {
            painter.drawPolyline(polygon);
        } else {
            for (int i = 1; i < line.points.size(); ++i)
                paintSegment(painter, s, line.points[i - 1], line.points[i]);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Marker &m : m_markers)
        paintMarker(painter, s, m);
    for (const Label &l : m_labels)
        paintLabel(painter, s, l);
    painter.restore();
}

void TXYChart::paintMarker(QPainter &painter, const TXYScale &s, const Marker &m) const
{
    const QPointF c = s.toPixel(m.at);
    if (!s.pixels().adjusted(-10, -10, 10, 10).contains(c))
        return;
    const double r = 3 + m.width;
    painter.setPen(MakePen(m.colour, m.width, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    switch (m.symbol) {
    case MarkerTriangle: {
        const QPolygonF triangle({c + QPointF(0, -r), c + QPointF(r, r), c + QPointF(-r, r)});
        painter.drawPolygon(triangle);
        break;
    }
    case MarkerSquare:
        painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
        break;
    case MarkerCircle:
        painter.drawEllipse(c, r, r);
        break;
    case MarkerCross:
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
        break;
    }
}

void TXYChart::paintLabel(QPainter &painter, const TXYScale &s, const Label &l) const
{
    const QPointF at = s.toPixel(l.at);
    if (!s.pixels().adjusted(-40, -40, 40, 40).contains(at))
        return;
    QFont f(l.fontName);
    f.setPointSize(std::max(l.fontSize, 1));
    painter.setFont(f);
    const QFontMetrics metrics(f);
    const int w = metrics.horizontalAdvance(l.text) + 4;
    const int h = metrics.height() + 2;
    // Beside the marker, up and to the right, so that the marker stays visible.
    const QRectF box(at.x() + 6, at.y() - 6 - h, w, h);
    if (l.opaque)
        painter.fillRect(box, l.background);
    painter.setPen(QPen(l.border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.setPen(l.textColour);
    painter.drawText(box, Qt::AlignCenter, l.text);
    painter.setFont(font());
}
