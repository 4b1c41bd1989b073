#pragma once

#include "charts/xychartscale.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

class QPainter;

// An XY chart drawn with QPainter in world coordinates (metres, Y up): a
// visible range, axis captions, a grid, two fixed crosshair lines, and the
// items the owner adds: lines, polylines (move-to/line-to), marker symbols
// with a class and a tag, and text labels. Items are kept until clear() and
// drawn on every paint, so a change of range redraws everything in place.
// Mouse movement over the plot area is reported in world coordinates.
class TXYChart : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TXYChart)

public:
    enum MarkerSymbol { MarkerTriangle, MarkerSquare, MarkerCircle, MarkerCross };

    struct Line {
        QPointF from;
        QPointF to;
        QColor colour;
        int width = 1;
        Qt::PenStyle style = Qt::SolidLine;
    };
    struct Polyline {
        QVector<QPointF> points;
        QColor colour;
        int width = 1;
        Qt::PenStyle style = Qt::SolidLine;
    };
    struct Marker {
        QPointF at;
        int markerClass = 0;
        MarkerSymbol symbol = MarkerSquare;
        QColor colour;
        int width = 1;
        int tag = 0;
    };
    struct Label {
        QPointF at;
        QString text;
        QString fontName;
        int fontSize = 8;
        QColor textColour;
        QColor background;
        QColor border;
        bool opaque = true;
    };
    struct Crosshair {
        bool visible = false;
        double position = 0;
        QColor colour;
        int width = 1;
        Qt::PenStyle style = Qt::SolidLine;
    };

    explicit TXYChart(QWidget *parent = nullptr);

    // Range and axes.
    void setVisibleRange(double xMin, double xMax, double yMin, double yMax);
    double xMin() const { return m_xMin; }
    double xMax() const { return m_xMax; }
    double yMin() const { return m_yMin; }
    double yMax() const { return m_yMax; }
    void setAxisCaptions(const QString &xCaption, const QString &yCaption);
    QString xCaption() const { return m_xCaption; }
    QString yCaption() const { return m_yCaption; }
    void setGridVisible(bool visible);

    // The fixed crosshair lines: a vertical one at X = x, a horizontal one at Y = y.
    void setVerticalCrosshair(double x, const QColor &colour, int width, Qt::PenStyle style);
    void setHorizontalCrosshair(double y, const QColor &colour, int width, Qt::PenStyle style);
    const Crosshair &verticalCrosshair() const { return m_vertical; }
    const Crosshair &horizontalCrosshair() const { return m_horizontal; }

    // Items.
    void addLine(const QPointF &from, const QPointF &to, const QColor &colour, int width,
                 Qt::PenStyle style);
    // Polylines: setPen, then moveTo starts a polyline and lineTo extends it.
    void setPen(const QColor &colour, int width, Qt::PenStyle style);
    void moveTo(const QPointF &world);
    void lineTo(const QPointF &world);
    void addMarker(const QPointF &at, int markerClass, MarkerSymbol symbol, const QColor &colour,
                   int width, int tag);
    void addLabel(const Label &label);
    // Removes every item; range, captions and crosshairs stay.
    void clear();

    const QVector<Line> &lines() const { return m_lines; }
    const QVector<Polyline> &polylines() const { return m_polylines; }
    const QVector<Marker> &markers() const { return m_markers; }
    const QVector<Label> &labels() const { return m_labels; }

    // World ↔ pixel for the current size and range.
    TXYScale scale() const;
    QPointF worldToPixel(const QPointF &world) const;
    QPointF pixelToWorld(const QPointF &pixel) const;
    // The plot area inside the widget, without the axis margins.
    QRectF plotArea() const;

    // The tag of the marker of the class nearest to the world point, when it
    // lies within maxPixels on screen; 0 otherwise.
    int nearestMarkerTag(int markerClass, const QPointF &world, double maxPixels = 8) const;

    // The chart's picture, and written to a file (format from the extension
    // unless given; quality for JPEG). False when the file cannot be written.
    QImage toImage() const;
    bool saveImage(const QString &path, const char *format = nullptr, int quality = -1) const;

    QSize sizeHint() const override;

signals:
    // The cursor moved over the plot area, at this world point.
    void mouseMovedWorld(const QPointF &world);

protected:
    void paintEvent(class QPaintEvent *event) override;
    void mouseMoveEvent(class QMouseEvent *event) override;

private:
    void paintAxes(QPainter &painter, const TXYScale &s) const;
    void paintItems(QPainter &painter, const TXYScale &s) const;
    void paintSegment(QPainter &painter, const TXYScale &s, const QPointF &a,
                      const QPointF &b) const;
    void paintMarker(QPainter &painter, const TXYScale &s, const Marker &m) const;
    void paintLabel(QPainter &painter, const TXYScale &s, const Label &l) const;

    double m_xMin = 0;
    double m_xMax = 1;
    double m_yMin = 0;
    double m_yMax = 1;
    QString m_xCaption;
    QString m_yCaption;
    bool m_grid = true;
    Crosshair m_vertical;
    Crosshair m_horizontal;
    QVector<Line> m_lines;
    QVector<Polyline> m_polylines;
    QVector<Marker> m_markers;
    QVector<Label> m_labels;
    QColor m_penColour = Qt::black;
    int m_penWidth = 1;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
};
