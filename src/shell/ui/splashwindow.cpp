#include "shell/ui/splashwindow.h"

#include "base/applicationstate.h"
#include "base/version.h"
#include "shell/ui/shellfonts.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace
{
TfrmSplash *g_splash = nullptr;

void styleLabel(QLabel *label)
{
    label->setFont(TahomaFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
}
} // namespace

TfrmSplash::TfrmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(408, 336);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    styleLabel(m_version);
    m_version->setGeometry(12, 312, 200, 16);

    m_status = new QLabel(tr("Looking for an Internet Connection..."), this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    styleLabel(m_status);
    m_status->setWordWrap(true);
    m_status->setGeometry(408 - 71 - 8, 336 - 39 - 8, 71, 39);
    m_status->setVisible(false);

    g_splash = this;
    connect(&TApplicationState::instance(), &TApplicationState::splashStatusRequested, this,
            &TfrmSplash::ShowStatus);
}

TfrmSplash::~TfrmSplash()
{
    if (g_splash == this)
        g_splash = nullptr;
}

TfrmSplash *TfrmSplash::instance()
{
    return g_splash;
}

void TfrmSplash::ShowSplash()
{
    m_version->move(m_version->x(), 312);
    m_version->setText(tr("Ver.: ") + GetFileVersionText());
    QApplication::processEvents();
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
    raise();
}

TSplashStepsBack::TSplashStepsBack()
{
    TfrmSplash *splash = TfrmSplash::instance();
    if (splash && splash->isVisible()) {
        m_splash = splash;
        splash->hide();
    }
}

TSplashStepsBack::~TSplashStepsBack()
{
    if (m_splash) {
        m_splash->show();
        m_splash->raise();
    }
}

void TfrmSplash::ShowStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(true);
    repaint();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    // The splash picture: a sky-to-ground gradient with the program's name.
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(19, 34, 88));
    sky.setColorAt(0.7, QColor(90, 140, 210));
    sky.setColorAt(1, QColor(235, 240, 250));
    p.fillRect(rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    for (int r = 30; r <= 150; r += 30)
        p.drawArc(QRectF(204 - r, 150 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(204, 150, 204, 260);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 250, width(), 56), Qt::AlignCenter, QStringLiteral("Velmor"));
}
