#include "shell/ui/messagedialog.h"

#include "shell/ui/shellfonts.h"
#include "shell/ui/splashwindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace
{
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonTop = 118;
constexpr int IconSize = 50;

enum IconKind { IconWarning, IconError, IconInformation, IconQuestion };

// The four 50 x 50 message icons, drawn rather than loaded.
QPixmap messageIcon(IconKind kind)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(3, 3, IconSize - 6, IconSize - 6);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(30);
    p.setFont(font);
    switch (kind) {
    case IconWarning: {
        const QPointF triangle[3] = {{25, 3}, {47, 45}, {3, 45}};
        p.setBrush(QColor(255, 210, 0));
        p.setPen(QPen(QColor(120, 90, 0), 2));
        p.drawPolygon(triangle, 3);
        p.setPen(Qt::black);
        p.drawText(QRectF(3, 12, 44, 33), Qt::AlignCenter, QStringLiteral("!"));
        break;
    }
    case IconError:
        p.setBrush(QColor(200, 20, 20));
        p.setPen(QPen(QColor(120, 0, 0), 2));
        p.drawEllipse(box);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 16), QPointF(34, 34));
        p.drawLine(QPointF(34, 16), QPointF(16, 34));
        break;
    case IconInformation:
    case IconQuestion:
        p.setBrush(QColor(30, 80, 200));
        p.setPen(QPen(QColor(10, 40, 120), 2));
        p.drawEllipse(box);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter,
                   kind == IconInformation ? QStringLiteral("i") : QStringLiteral("?"));
        break;
    }
    return pixmap;
}

// The decorative strip along the top of the dialog.
QPixmap stripPicture()
{
    QPixmap pixmap(385, 16);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, 385, 0);
    gradient.setColorAt(0, QColor(19, 34, 88));
    gradient.setColorAt(1, QColor(120, 160, 220));
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QWidget *dialogParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget *w : tops) {
        if (w->isVisible() && w->objectName() == QLatin1String("frmMain"))
            return w;
    }
    return nullptr;
}
} // namespace

TfrmDialog::TfrmDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDialog"));
    setFixedSize(385, 170);
    setFont(TahomaFont());
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto *strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("imgStrip"));
    strip->setGeometry(0, 0, 385, 16);
    strip->setPixmap(stripPicture());

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("bvlDialog"));
    bevel->setGeometry(13, 28, 359, 129);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("imgIcon"));
    m_icon->setGeometry(32, 55, IconSize, IconSize);

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("memMessage"));
    m_memo->setGeometry(109, 44, 244, 61);
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setFocusPolicy(Qt::NoFocus);
    QPalette memoPalette = m_memo->palette();
    memoPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    m_memo->setPalette(memoPalette);

    const struct {
        const char *name;
        QString text;
    } buttons[DialogButtonCount] = {{"bbnOk", tr("OK")},
                                    {"bbnCancel", tr("Cancel")},
                                    {"bbnYes", tr("Yes")},
                                    {"bbnNo", tr("No")},
                                    {"bbnDialogHelp", tr("Help")}};
    for (int i = 0; i < DialogButtonCount; ++i) {
        auto *button = new QPushButton(buttons[i].text, this);
        button->setObjectName(QLatin1String(buttons[i].name));
        button->resize(ButtonWidth, ButtonHeight);
        button->setVisible(false);
        button->setAutoDefault(false);
        const int result = DialogButtonResult(static_cast<DialogButton>(i));
        if (result != 0)
            connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        m_buttons[i] = button;
    }
}

void TfrmDialog::Prepare(const QString &caption, const QString &text, int kind)
{
    switch (kind) {
    case MessageError:
        m_icon->setPixmap(messageIcon(IconError));
        break;
    case MessageInfo:
        m_icon->setPixmap(messageIcon(IconInformation));
        break;
    case MessageQuestion:
        m_icon->setPixmap(messageIcon(IconQuestion));
        break;
    default:
        m_icon->setPixmap(messageIcon(IconWarning));
        break;
    }

    const QList<DialogButton> shown = DialogButtonsForKind(kind);
    for (QPushButton *button : m_buttons)
        button->setVisible(false);
    const QList<int> lefts = DialogButtonLefts(shown.size(), ButtonWidth);
    for (int i = 0; i < shown.size(); ++i) {
        QPushButton *button = m_buttons[shown.at(i)];
        button->move(lefts.at(i), ButtonTop);
        button->setVisible(true);
    }
    if (!shown.isEmpty()) {
        m_buttons[shown.first()]->setDefault(true);
        m_buttons[shown.first()]->setFocus();
    }

    setWindowTitle(caption);
    m_memo->setPlainText(text);
}

int TfrmDialog::Execute(const QString &caption, const QString &text, int kind, QWidget *parent)
{
    TfrmDialog dialog(parent);
    dialog.Prepare(caption, text, kind);
    return dialog.exec();
}

void TfrmDialog::reject()
{
    done(AnswerClosed);
}

// Every dialog shown while the splash stands makes it step back.
int TDialogPresenter::showMessage(const QString &caption, const QString &text, int kind)
{
    const TSplashStepsBack seen;
    return TfrmDialog::Execute(caption, text, kind, dialogParent());
}

QString TDialogPresenter::openFileName(const QString &caption, const QString &folder,
                                       const QString &filter)
{
    const TSplashStepsBack seen;
    return QFileDialog::getOpenFileName(dialogParent(), caption, folder, filter);
}

QString TDialogPresenter::saveFileName(const QString &caption, const QString &folder,
                                       const QString &filter)
{
    const TSplashStepsBack seen;
    return QFileDialog::getSaveFileName(dialogParent(), caption, folder, filter);
}

QString TDialogPresenter::existingDirectory(const QString &caption, const QString &folder)
{
    const TSplashStepsBack seen;
    return QFileDialog::getExistingDirectory(dialogParent(), caption, folder);
}
