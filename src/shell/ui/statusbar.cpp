#include "shell/ui/statusbar.h"

#include "base/applicationstate.h"
#include "shell/ui/languageswitch.h"
#include "shell/ui/tcolor.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace
{
constexpr int BarHeight = 19;

struct PanelSpec {
    int width;
    Qt::Alignment alignment;
    bool lowered;
};

const PanelSpec Panels[TStatusBar::PanelCount] = {
    {80, Qt::AlignHCenter, false}, {80, Qt::AlignHCenter, true}, {100, Qt::AlignRight, false},
    {70, Qt::AlignHCenter, true},  {60, Qt::AlignRight, false},  {70, Qt::AlignHCenter, true},
    {60, Qt::AlignRight, false},   {70, Qt::AlignHCenter, true}, {80, Qt::AlignRight, false},
    {20, Qt::AlignHCenter, true},  {40, Qt::AlignRight, false},  {70, Qt::AlignHCenter, true},
    {8, Qt::AlignHCenter, false},  {30, Qt::AlignRight, true},   {50, Qt::AlignLeft, false},
};
} // namespace

TStatusBar::TStatusBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stbFmMain"));
    setFixedHeight(BarHeight);
    m_texts = QStringList{tr("VLM Database:"), tr("Disconnected"), tr("Current User: "), QString(),
                          tr("Location: "),    QString(),          tr("Antenna: "),      QString(),
                          tr("Internet : "),   QString(),          tr("Ver.: "),         QString(),
                          QStringLiteral("/"), QString(),          tr("Velmor")};
    connect(&TApplicationState::instance(), &TApplicationState::internetStatusChanged, this,
            [this] { update(panelRect(PanelInternet)); });
    // A notice of the program (a start-up check that ran out of time) takes the
    // last panel, the whole text in the tool tip; it may have been given before
    // the window existed.
    connect(&TApplicationState::instance(), &TApplicationState::statusNoticeRequested, this,
            &TStatusBar::showNotice);
    if (!TApplicationState::instance().statusNotice().isEmpty())
        showNotice(TApplicationState::instance().statusNotice());
}

void TStatusBar::showNotice(const QString &text)
{
    setPanelText(PanelNotice, text);
    setToolTip(text);
}

void TStatusBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The captions and the connection state follow the language; names and
    // versions are no translation and stay.
    for (QString &text : m_texts)
        text = RetranslatedText(text, this);
    update();
}

QString TStatusBar::panelText(int panel) const
{
    return panel >= 0 && panel < PanelCount ? m_texts.at(panel) : QString();
}

void TStatusBar::setPanelText(int panel, const QString &text)
{
    if (panel < 0 || panel >= PanelCount || m_texts.at(panel) == text)
        return;
    m_texts[panel] = text;
    update(); // a longer text may widen its panel and move the ones to its right
}

int TStatusBar::panelWidth(int panel) const
{
    const int width = Panels[panel].width;
    switch (panel) {
    case PanelCall:
    case PanelSite:
    case PanelPlacement:
    case PanelInternet:
    case PanelVersion:
    case PanelDatabaseVersion:
        return width; // data keeps its panel (names are cut to their stored lengths)
    default:
        // A lowered panel writes its text inside the bevel, a few pixels narrower.
        const int margins = Panels[panel].lowered ? 7 : 1;
        return std::max(width, fontMetrics().horizontalAdvance(m_texts.at(panel)) + margins);
    }
}

QRect TStatusBar::panelRect(int panel) const
{
    int left = 0;
    for (int i = 0; i < panel && i < PanelCount; ++i)
        left += panelWidth(i);
    const int width = panel >= 0 && panel < PanelCount ? panelWidth(panel) : 0;
    return QRect(left, 0, width, height());
}

QSize TStatusBar::sizeHint() const
{
    int width = 0;
    for (const PanelSpec &panel : Panels)
        width += panel.width;
    return QSize(width, BarHeight);
}

void TStatusBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    for (int i = 0; i < PanelCount; ++i) {
        const QRect r = panelRect(i).adjusted(1, 1, -2, -2);
        if (Panels[i].lowered) {
            painter.setPen(shadow);
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(light);
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
        if (i == PanelInternet) {
            painter.fillRect(r.adjusted(2, 2, -1, -1), ColourFromValue(InternetStatus()));
            continue;
        }
        painter.setPen(palette().color(QPalette::WindowText));
        QRect textRect = Panels[i].lowered ? r.adjusted(2, 0, -2, 0) : panelRect(i);
        if (i == PanelNotice) // the last panel has no border: its text may use the rest of the bar
            textRect.setRight(std::max(textRect.right(), rect().right()));
        painter.drawText(textRect, Panels[i].alignment | Qt::AlignVCenter, m_texts.at(i));
    }
}
