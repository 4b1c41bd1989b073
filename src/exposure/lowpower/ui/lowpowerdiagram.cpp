#include "exposure/lowpower/ui/lowpowerdiagram.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace
{
// An arrow with heads at both ends.
void dimension(QPainter &p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double h = 7, w = 3.5;
    p.setBrush(p.pen().color());
    p.drawPolygon(QPolygonF({a, a + u * h + n * w, a + u * h - n * w}));
    p.drawPolygon(QPolygonF({b, b - u * h + n * w, b - u * h - n * w}));
    p.setBrush(Qt::NoBrush);
}

void person(QPainter &p, QPointF feet, double height)
{
    const double head = height * 0.13;
    const QPointF neck = feet - QPointF(0, height * 0.72);
    p.drawEllipse(neck - QPointF(0, head), head, head);
    p.drawLine(neck, feet - QPointF(0, height * 0.35));
    p.drawLine(feet - QPointF(0, height * 0.35), feet + QPointF(-height * 0.15, 0));
    p.drawLine(feet - QPointF(0, height * 0.35), feet + QPointF(height * 0.15, 0));
    p.drawLine(neck + QPointF(0, height * 0.08), neck + QPointF(-height * 0.2, height * 0.3));
    p.drawLine(neck + QPointF(0, height * 0.08), neck + QPointF(height * 0.2, height * 0.3));
}
} // namespace

void DrawLowPowerDiagram(QPainter &p, const QSize &size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 360.0, size.height() / 260.0);
    const double ground = 230;

    // Ground and house with a window where people may be.
    p.setPen(QPen(QColor(90, 70, 40), 2));
    p.drawLine(QPointF(5, ground), QPointF(355, ground));
    p.setPen(QPen(Qt::darkGray, 1.5));
    p.setBrush(QColor(235, 225, 205));
    p.drawRect(QRectF(240, 150, 95, 80));
    p.setBrush(QColor(190, 80, 60));
    p.drawPolygon(QPolygonF({QPointF(232, 150), QPointF(287.5, 105), QPointF(343, 150)}));
    p.setBrush(QColor(200, 225, 245));
    p.drawRect(QRectF(252, 165, 26, 24));
    p.setBrush(Qt::NoBrush);

    // Mast and antenna (a vertical dipole with its feed point at the top of the mast).
    const QPointF antenna(70, 70);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(antenna.x(), ground), QPointF(antenna.x(), antenna.y() + 30));
    p.setPen(QPen(QColor(200, 30, 30), 3));
    p.drawLine(antenna + QPointF(0, -30), antenna + QPointF(0, 28));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(antenna, 4, 4);
    p.setBrush(Qt::NoBrush);

    // People: one at the window, one on the ground below the antenna.
    p.setPen(QPen(QColor(30, 90, 30), 2));
    person(p, QPointF(265, 205), 38);
    person(p, QPointF(110, ground), 44);

    // Clearances.
    p.setPen(QPen(QColor(20, 60, 170), 1.6));
    const QPointF windowPoint(252, antenna.y());
    p.setPen(QPen(QColor(20, 60, 170), 1, Qt::DashLine));
    p.drawLine(QPointF(252, antenna.y()), QPointF(252, 165));
    p.drawLine(antenna, QPointF(122, antenna.y()));
    p.drawLine(QPointF(110, 186 - 8), QPointF(122, 186 - 8));
    p.setPen(QPen(QColor(20, 60, 170), 1.6));
    dimension(p, antenna + QPointF(6, 0), windowPoint);
    dimension(p, QPointF(122, antenna.y() + 4), QPointF(122, 186 - 8));

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(20, 60, 170));
    p.drawText(QRectF(90, 40, 200, 14), Qt::AlignCenter,
               QStringLiteral("Minimum Horizontal Clearance"));
    p.drawText(QRectF(90, 54, 200, 14), Qt::AlignCenter, QStringLiteral("(A)"));
    p.drawText(QRectF(128, 98, 110, 14), Qt::AlignLeft, QStringLiteral("Minimum Vertical"));
    p.drawText(QRectF(128, 112, 110, 14), Qt::AlignLeft, QStringLiteral("Clearance (B)"));
    font.setBold(false);
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(8, 238, 344, 18), Qt::AlignCenter,
               QStringLiteral("Minimum Vertical Clearance or Minimum Horizontal Clearance"));
    p.restore();
}

QImage LowPowerDiagramImage(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawLowPowerDiagram(painter, size);
    painter.end();
    return image;
}
