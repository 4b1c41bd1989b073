#pragma once

#include "exposure/graphinfo.h"
#include "exposure/graphprep.h"
#include "reportengine/reportjob.h"

#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;
class TXYChart;
class TdtmMain;

// The field-strength plot of one antenna placement: the vertical plane through
// the mast with the three contour lines, the beam axis, the site's critical test
// points and, for aperture antennas, the near- and far-field guide lines; a
// read-out of the free-space field strength under the cursor, zoom bars, the
// summary grid, the plot print and a saved picture. At most one exists; closing
// it destroys it.
class TFrmGraph : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmGraph)

public:
    // Marker classes on the chart.
    static constexpr int AntennaMarkerClass = 0;
    static constexpr int PointMarkerClass = 1;

    // Runs the opening queries for the placement of the current user
    // (CurrentSelection) and shows the plot, creating the window when none
    // exists. Returns nullptr, and opens nothing, when the reference matches no
    // placement or several; a store failure is shown as a message.
    static TFrmGraph *OpenGraph(TdtmMain &dm, const QString &siteName, const QString &placementRef,
                                QWidget *parent = nullptr);
    // Shows a prepared plot in the one window, creating it when none exists.
    static TFrmGraph *ShowGraph(const TGraphData &data, QWidget *parent = nullptr);
    // The window while it exists.
    static TFrmGraph *Instance();

    // Test seam: while set, " Print Graph" hands its job here instead of
    // showing the report preview.
    static void SetPrintPreviewHook(std::function<void(const ReportJob &)> hook);

    // Shows a prepared plot: grid, legend, base range, centred zoom bars, drawing.
    void SetGraph(const TGraphData &data);
    const TGraphData &Graph() const { return m_data; }
    const TGraphView &BaseRange() const { return m_base; }
    const TGraphView &CurrentRange() const { return m_view; }

    // Draws everything for the current range.
    void TraceGraph();
    // The read-out for a cursor at this world point (ignored for negative X).
    void ShowReadOut(const QPointF &world);
    // Restores the base range and centres both bars.
    void ResetZoom();
    // " Print Graph" and "Save Screen  ".
    void PrintGraph();
    bool SaveScreen();
    // The picture's full path for the chosen format.
    QString SaveScreenPath() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit TFrmGraph(QWidget *parent = nullptr);
    void BuildLayout();
    void RebuildGrid();
    void SetAxisCaptions();
    void UpdateLegend();
    void ZoomXChanged(int position);
    void ZoomYChanged(int position);
    void Traceguides();
    void TraceSafetyArc();

    TGraphData m_data;
    std::optional<QPointF> m_readOutAt; // where the read-out was taken last
    TGraphView m_base;
    TGraphView m_view;

    QWidget *m_panel = nullptr;
    TXYChart *m_chart = nullptr;
    QScrollBar *m_zoomX = nullptr;
    QScrollBar *m_zoomY = nullptr;
    QLabel *m_levelLow = nullptr;
    QLabel *m_levelWarning = nullptr;
    QLabel *m_levelLimit = nullptr;
    QGroupBox *m_summary = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_readOut = nullptr;
    QLabel *m_pointInfo = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_save = nullptr;
    QComboBox *m_format = nullptr;
    QPushButton *m_resetZoom = nullptr;
    QPushButton *m_close = nullptr;
};
