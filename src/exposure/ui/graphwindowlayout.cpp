#include "charts/ui/xychart.h"
#include "exposure/ui/graphwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

QFont FixedFont()
{
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSize(9);
    return f;
}

QLabel *LegendLabel(const char *name, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(90);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPushButton *Button(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

void TFrmGraph::BuildLayout()
{
    setWindowTitle(tr("Graphical view"));

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("pnlGraph"));
    m_panel->setAutoFillBackground(true);

    m_chart = new TXYChart(m_panel);
    m_chart->setObjectName(QStringLiteral("chtGraph"));
    m_zoomX = new QScrollBar(Qt::Horizontal, m_panel);
    m_zoomX->setObjectName(QStringLiteral("sbrZoomX"));
    m_zoomX->setRange(ZoomXMinimum, ZoomXMaximum);
    m_zoomX->setValue(ZoomXCentre);
    m_zoomY = new QScrollBar(Qt::Vertical, m_panel);
    m_zoomY->setObjectName(QStringLiteral("sbrZoomY"));
    m_zoomY->setRange(ZoomYMinimum, ZoomYMaximum);
    m_zoomY->setValue(ZoomYCentre);

    // Legend colours as the window shows them (the low level slightly darker
    // than its contour, for white text).
    m_levelLow = LegendLabel("lblLevelLow", QColor(85, 203, 75), m_panel);
    m_levelWarning = LegendLabel("lblLevelWarning", QColor(85, 85, 255), m_panel);
    m_levelLimit = LegendLabel("lblLevelLimit", QColor(255, 85, 85), m_panel);

    m_summary = new QGroupBox(tr("Sumary Data"), m_panel);
    m_summary->setObjectName(QStringLiteral("gbxSummary"));
    m_grid = new QTableWidget(16, 2, m_summary);
    m_grid->setObjectName(QStringLiteral("grdSummary"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setFont(FixedFont());
    m_grid->setPalette([this] {
        QPalette p = m_grid->palette();
        p.setColor(QPalette::Base, QColor(0xE6, 0xE6, 0xE6)); // 15132390, read-only grids
        return p;
    }());
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_grid->setColumnWidth(0, 112);
    m_grid->setColumnWidth(1, 180);
    m_grid->setMinimumWidth(300);
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 0; c < 2; ++c) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            m_grid->setItem(r, c, item);
        }
    }
    auto *summaryLayout = new QVBoxLayout(m_summary);
    summaryLayout->addWidget(m_grid);

    auto *chartRow = new QHBoxLayout;
    chartRow->setSpacing(0);
    chartRow->addWidget(m_chart, 1);
    chartRow->addWidget(m_zoomY);
    auto *legend = new QHBoxLayout;
    legend->addWidget(m_levelLow);
    legend->addWidget(m_levelWarning);
    legend->addWidget(m_levelLimit);
    legend->addStretch(1);
    auto *plotColumn = new QVBoxLayout;
    plotColumn->addLayout(chartRow, 1);
    plotColumn->addWidget(m_zoomX);
    plotColumn->addLayout(legend);
    auto *panelLayout = new QHBoxLayout(m_panel);
    panelLayout->addLayout(plotColumn, 1);
    panelLayout->addWidget(m_summary);

    m_readOut = new QLabel(this);
    m_readOut->setObjectName(QStringLiteral("lblReadOut"));
    m_pointInfo = new QLabel(this);
    m_pointInfo->setObjectName(QStringLiteral("lblPointInfo"));
    for (QLabel *label : {m_readOut, m_pointInfo}) {
        label->setFont(FixedFont());
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumSize(190, 72);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    m_print = Button("bbnPrintGraph", tr(" Print Graph"), this);
    m_save = Button("bbnSaveScreen", tr("Save Screen  "), this);
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("cbxPictureFormat"));
    m_format->addItems({QStringLiteral(".JPG"), QStringLiteral(".BMP")});
    m_resetZoom = Button("bbnResetZoom", tr("Reset Zoom"), this);
    m_close = Button("bbnClose", tr("   Close      "), this);

    auto *buttons = new QGridLayout;
    buttons->addWidget(m_print, 0, 0);
    buttons->addWidget(m_resetZoom, 0, 1);
    buttons->addWidget(m_save, 1, 0);
    buttons->addWidget(m_format, 1, 1);
    buttons->addWidget(m_close, 2, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_readOut);
    bottom->addWidget(m_pointInfo);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addLayout(bottom);
    resize(1000, 680);
}
