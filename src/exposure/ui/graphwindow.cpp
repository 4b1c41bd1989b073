#include "exposure/ui/graphwindow.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/installlayout.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/ownerfilename.h"
#include "base/programfolder.h"
#include "charts/ui/xychart.h"
#include "exposure/graphprint.h"
#include "exposure/graphqueries.h"
#include "exposure/graphtexts.h"
#include "reportengine/bmpreader.h"
#include "reportengine/ui/reportpreview.h"
#include "shell/ui/controlimage.h"
#include "shell/ui/tcolor.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <utility>

namespace
{

QPointer<TFrmGraph> g_window;
std::function<void(const ReportJob &)> g_previewHook;

const QColor SafetyArcColour(139, 0, 0);
const QColor ContourColours[GraphLevelCount] = {QColor(85, 213, 85), QColor(85, 85, 255),
                                                QColor(255, 85, 85)};

// A panel text for a label: the line breaks of the texts carry a carriage
// return after the line feed, which a label would draw as a blank at the
// start of the next line.
QString LabelText(QString text)
{
    return text.remove(QLatin1Char('\r'));
}

QPointF At(const TCurvePoint &p)
{
    return {p.x, p.y};
}

} // namespace

TFrmGraph::TFrmGraph(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFrmGraph"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildLayout();

    SetAxisCaptions();
    m_chart->setGridVisible(true);
    m_chart->setVerticalCrosshair(0, Qt::black, 1, Qt::DotLine);
    m_chart->setHorizontalCrosshair(0, QColor(128, 0, 128), 1, Qt::DashDotDotLine);

    connect(m_chart, &TXYChart::mouseMovedWorld, this, &TFrmGraph::ShowReadOut);
    connect(m_zoomX, &QScrollBar::valueChanged, this, &TFrmGraph::ZoomXChanged);
    connect(m_zoomY, &QScrollBar::valueChanged, this, &TFrmGraph::ZoomYChanged);
    connect(m_resetZoom, &QPushButton::clicked, this, &TFrmGraph::ResetZoom);
    connect(m_print, &QPushButton::clicked, this, &TFrmGraph::PrintGraph);
    connect(m_save, &QPushButton::clicked, this, &TFrmGraph::SaveScreen);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

TFrmGraph *TFrmGraph::OpenGraph(TdtmMain &dm, const QString &siteName, const QString &placementRef,
                                QWidget *parent)
{
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<TGraphLoad> load = LoadGraph(dm, cs.ownerId, cs.call, siteName, placementRef);
    if (!load.ok()) {
        ShowErrorMessage(tr("Graphical view"), load.error);
        return nullptr;
    }
    if (!load.value.found)
        return nullptr;
    return ShowGraph(load.value.data, parent);
}

TFrmGraph *TFrmGraph::ShowGraph(const TGraphData &data, QWidget *parent)
{
    if (!g_window)
        g_window = new TFrmGraph(parent);
    g_window->SetGraph(data);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window;
}

TFrmGraph *TFrmGraph::Instance()
{
    return g_window;
}

void TFrmGraph::SetPrintPreviewHook(std::function<void(const ReportJob &)> hook)
{
    g_previewHook = std::move(hook);
}

void TFrmGraph::SetGraph(const TGraphData &data)
{
    m_data = data;
    m_base = BaseView(m_data.range);
    m_view = m_base;
    UpdateLegend();
    RebuildGrid();
    m_readOut->clear();
    m_pointInfo->clear();
    m_readOutAt.reset();
    ResetZoom();
}

void TFrmGraph::UpdateLegend()
{
    const auto text = [](double level) -> QString {
        return FormatRounded(level, 2) + QStringLiteral(" V/m");
    };
    m_levelLow->setText(text(m_data.levels.low));
    m_levelWarning->setText(text(m_data.levels.warning));
    m_levelLimit->setText(text(m_data.levels.limit));
}

void TFrmGraph::RebuildGrid()
{
    // Items that already hold the text are left alone, so a rebuild from a
    // paint causes no further paint.
    const QVector<TGraphGridRow> rows = GraphGridRows(m_data.info);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        const bool used = r < rows.size();
        m_grid->item(r, 0)->setText(used ? rows[r].label : QString());
        m_grid->item(r, 1)->setText(used ? rows[r].value : QString());
    }
}

void TFrmGraph::paintEvent(QPaintEvent *event)
{
    RebuildGrid();
    QWidget::paintEvent(event);
}

void TFrmGraph::ResetZoom()
{
    {
        const QSignalBlocker bx(m_zoomX);
        const QSignalBlocker by(m_zoomY);
        m_zoomX->setValue(ZoomXCentre);
        m_zoomY->setValue(ZoomYCentre);
    }
    m_view = m_base;
    TraceGraph();
}

void TFrmGraph::ZoomXChanged(int position)
{
    m_view.xMax = ZoomedMaximum(m_base.xMax, position, ZoomXCentre);
    TraceGraph();
}

void TFrmGraph::ZoomYChanged(int position)
{
    m_view.yMax = ZoomedMaximum(m_base.yMax, position, ZoomYCentre);
    TraceGraph();
}

void TFrmGraph::Traceguides()
{
    for (const TGuideLine &g : GuideLines(m_data.info, m_view.yMin, m_view.yMax, m_view.xMax)) {
        m_chart->addLine(At(g.from), At(g.to), g.farField ? Qt::blue : Qt::red, 1,
                         Qt::DashDotDotLine);
    }
}

void TFrmGraph::TraceGraph()
{
    const TGraphInfo &info = m_data.info;
    m_chart->clear();
    m_chart->setVisibleRange(m_view.xMin, m_view.xMax, m_view.yMin, m_view.yMax);
    Traceguides();

    for (int level = 0; level < GraphLevelCount; ++level) {
        const TCurve &curve = m_data.contours[level];
        m_chart->setPen(ContourColours[level], 2, Qt::SolidLine);
        m_chart->moveTo(At(curve[0]));
        for (int i = 1; i <= 90; ++i)
            m_chart->lineTo(At(curve[i]));
        m_chart->moveTo(At(curve[180]));
        for (int i = 179; i >= 90; --i)
            m_chart->lineTo(At(curve[i]));
    }

    const TCurvePoint axisEnd =
        BeamAxisEnd(info.antennaHeight, info.tilt, m_view.xMax, m_view.yMin, m_view.yMax);
    m_chart->addLine({0, info.antennaHeight}, At(axisEnd), Qt::red, 1, Qt::SolidLine);
    m_chart->addMarker({0, info.antennaHeight}, AntennaMarkerClass, TXYChart::MarkerTriangle,
                       Qt::black, 3, 0);

    for (const TGraphPoint &p : m_data.points) {
        m_chart->addMarker({p.x, p.y}, PointMarkerClass, TXYChart::MarkerSquare, QColor(0, 0, 128),
                           1, p.number);
        TXYChart::Label label;
        label.at = {p.x, p.y};
        label.text = FormatNumber(p.number);
        label.fontName = QStringLiteral("Small Fonts");
        label.fontSize = 6;
        label.textColour = QColor(0, 0, 128);
        label.border = QColor(0, 0, 128);
        label.background = ColourFromValue(p.colour);
        label.opaque = true;
        m_chart->addLabel(label);
    }
    if (info.safetyDistance)
        TraceSafetyArc();
}

void TFrmGraph::TraceSafetyArc()
{
    // A dark red dashed half circle with its distance written where it crosses
    // the 45° line above the beam side.
    const TCurve &arc = m_data.safetyArc;
    m_chart->setPen(SafetyArcColour, 1, Qt::DashLine);
    m_chart->moveTo(At(arc[0]));
    for (int i = 1; i < CurvePointCount; ++i)
        m_chart->lineTo(At(arc[i]));
    TXYChart::Label label;
    label.at = At(arc[45]);
    label.text = tr("Safety distance %1 m").arg(FormatRounded(*m_data.info.safetyDistance, 2));
    label.fontName = QStringLiteral("Arial");
    label.fontSize = 8;
    label.textColour = SafetyArcColour;
    label.border = SafetyArcColour;
    label.background = Qt::white;
    label.opaque = true;
    m_chart->addLabel(label);
}

void TFrmGraph::SetAxisCaptions()
{
    m_chart->setAxisCaptions(tr("Distance(m)"), tr(" Height (m)"));
}

void TFrmGraph::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The captions, grid and read-out follow the interface language at once.
    SetAxisCaptions();
    RebuildGrid();
    TraceGraph(); // the label of the safety distance
    if (m_readOutAt)
        ShowReadOut(*m_readOutAt);
}

void TFrmGraph::ShowReadOut(const QPointF &world)
{
    if (world.x() < 0)
        return;
    m_readOutAt = world;
    const double e = ReadOutFieldStrength(m_data.info, world.x(), world.y());
    m_readOut->setText(LabelText(ReadOutText(world.x(), world.y(), e)));
    const int tag = m_chart->nearestMarkerTag(PointMarkerClass, world);
    if (tag > 0 && tag <= m_data.points.size())
        m_pointInfo->setText(LabelText(PointPanelText(m_data.points[tag - 1])));
}

void TFrmGraph::PrintGraph()
{
    const QString picture = ScratchFile(GraphPictureFile);
    if (!m_chart->saveImage(picture, "BMP")) {
        ShowErrorMessage(tr("Print Graph"), tr("The picture of the plot cannot be written."));
        return;
    }
    TGraphPrintInputs inputs;
    inputs.imagePath = picture;
    QString error;
    const bool read = ReadBmpFile(picture, &inputs.image, &error);
    QFile::remove(picture);
    if (!read) {
        ShowErrorMessage(tr("Print Graph"), error);
        return;
    }
    inputs.callSign = m_data.info.callSign;
    inputs.location = m_data.info.placementRef;
    inputs.rows = GraphGridRows(m_data.info);
    inputs.dateTime = CurrentDateTime();
    const TOpResult<ReportJob> job = BuildGraphPrintJob(ProgramFile(GraphTemplateFile), inputs);
    if (!job.ok()) {
        ShowErrorMessage(tr("Print Graph"), job.error);
        return;
    }
    if (g_previewHook)
        g_previewHook(job.value);
    else
        ReportPreview::showJob(job.value, this);
}

QString TFrmGraph::SaveScreenPath() const
{
    const QString extension = m_format->currentIndex() == ControlImageBmp ? QStringLiteral(".bmp")
                                                                          : QStringLiteral(".jpg");
    return OwnerFilePath(CurrentSelection().userDirectory, m_data.info.callSign,
                         QStringLiteral("_vlm_") + m_data.info.placementRef +
                             QStringLiteral("_diag") + extension);
}

bool TFrmGraph::SaveScreen()
{
    const QString path = SaveScreenPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const int kind =
        m_format->currentIndex() == ControlImageBmp ? ControlImageBmp : ControlImageJpeg;
    if (!SaveControlImage(path, kind, m_panel)) {
        ShowErrorMessage(tr("Save Screen"), tr("The picture cannot be written to %1.").arg(path));
        return false;
    }
    return true;
}
