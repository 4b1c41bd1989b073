#pragma once

#include "charts/polarchartgeometry.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

// A polar chart drawn with QPainter: concentric value rings, rays at a fixed
// angle step with their angle labels, and any number of polylines whose points
// are (chart angle in degrees, value). The owner configures it, adds the data
// and calls update(); clear() removes the data but keeps the configuration.
class TPolarChart : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPolarChart)

public:
    struct Polyline {
        QVector<QPointF> points; // x: chart angle, y: value
        QColor colour;
        Qt::PenStyle style = Qt::SolidLine;
        int width = 1;
    };

    explicit TPolarChart(QWidget *parent = nullptr);

    void clear();
    void addPolyline(const QVector<QPointF> &points, const QColor &colour, Qt::PenStyle style,
                     int width);
    const QVector<Polyline> &polylines() const { return m_polylines; }

    void setTitle(const QString &title);
    QString title() const { return m_title; }

    // Centre as shares of the width and height (0.5, 0.5 is the middle), so
    // that it follows the widget's size.
    void setCentre(const QPointF &shares);
    void setMargins(int top, int bottom);
    void setRadialRange(double low, double high);
    double radialLow() const { return m_low; }
    double radialHigh() const { return m_high; }

    void setAngleOffset(double degrees);
    void setCounterClockwise(bool counterClockwise);
    // Rays and their labels every `step` degrees between `first` and `last`.
    void setRays(double step, double first = 0, double last = 360);
    // Each ray label reads its chart angle plus this shift (-90: chart angle 90 reads 0).
    void setAngleLabelShift(double shift);
    QString angleLabel(double chartAngle) const;

    // The scale for the current size and configuration.
    TPolarScale scale() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintGrid(class QPainter &painter, const TPolarScale &scale) const;

    QVector<Polyline> m_polylines;
    QString m_title;
    QPointF m_centre{0.5, 0.5};
    int m_topMargin = 10;
    int m_bottomMargin = 10;
    double m_low = 0;
    double m_high = 1;
    double m_angleOffset = 0;
    bool m_counterClockwise = true;
    double m_rayStep = 30;
    double m_firstRay = 0;
    double m_lastRay = 360;
    double m_labelShift = 0;
};
