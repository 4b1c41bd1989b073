#include "shell/ui/welcomepage.h"

#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "shell/helpfile.h"
#include "shell/ui/helpviewer.h"
#include "shell/ui/languageswitch.h"
#include "shell/ui/tcolor.h"
#include "shell/wizardpages.h"
#include "store/online/onlinewatchhandler.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace
{
constexpr int EntryColour = 13036535;
constexpr int FocusColour = 10940093;

void paintEntry(QWidget *control, int colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, ColourFromValue(colour));
    palette.setColor(QPalette::Button, ColourFromValue(colour));
    control->setPalette(palette);
}

// Paints the language box light green while it has the focus.
class TFocusColour : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            paintEntry(static_cast<QWidget *>(watched),
                       event->type() == QEvent::FocusIn ? FocusColour : EntryColour);
        return false;
    }
};

// The combo item a manual's name selects by its last 6 characters, or -1.
int languageOfManual(const QString &upperAddress)
{
    const QString tail = upperAddress.right(6);
    const char *const codes[] = {"EN.HLP", "NL.HLP", "FR.HLP", "GE.HLP"};
    for (int index = 0; index < 4; ++index) {
        if (tail == QLatin1String(codes[index]))
            return index;
    }
    return -1;
}
QStringList languageNames()
{
    return {TfraWelcome::tr("English"), TfraWelcome::tr("Dutch"), TfraWelcome::tr("French"),
            TfraWelcome::tr("German")};
}
} // namespace

TfraWelcome::TfraWelcome(IWizardHost &host, QWidget *parent) : TfraBase(PageWelcome, host, parent)
{
    auto *panel = new QFrame(content());
    panel->setObjectName(QStringLiteral("pnlBrowser"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(18, 19, 893, 513);
    m_browser = new QTextBrowser(panel);
    m_browser->setObjectName(QStringLiteral("wb"));
    m_browser->setOpenLinks(false); // every link passes FollowLink first
    m_browser->setFrameShape(QFrame::NoFrame);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(m_browser);
    auto *layout = new QVBoxLayout(content());
    layout->setContentsMargins(18, 19, 18, 8);
    layout->addWidget(panel);

    auto *caption = new QLabel(tr("Change Language"), navigationPanel());
    caption->setObjectName(QStringLiteral("lblSetupLan"));
    m_language = new QComboBox(navigationPanel());
    m_language->setObjectName(QStringLiteral("cmbSetupLan"));
    m_language->setFixedWidth(113);
    m_language->addItems(languageNames());
    paintEntry(m_language, EntryColour);
    m_language->installEventFilter(new TFocusColour(m_language));
    if (auto *bar = qobject_cast<QHBoxLayout *>(navigationPanel()->layout())) {
        bar->insertWidget(1, caption);
        bar->insertWidget(2, m_language);
    }

    connect(m_language, &QComboBox::activated, this, &TfraWelcome::languageChosen);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &TfraWelcome::FollowLink);
}

TfraWelcome::~TfraWelcome() = default;

void TfraWelcome::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    m_language->setCurrentIndex(CurrentSelection().interfaceLanguage);
    QApplication::processEvents();
    const TOnlineWatchHandler *online = TOnlineWatchHandler::instance();
    if (InternetStatus() == InternetGreen && online && online->server().isValid()) {
        QUrl page = online->server();
        QString path = page.path();
        while (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        page.setPath(path + QStringLiteral("/vlminfo/index.html"));
        showOnlinePage(page);
    } else {
        showLocalPage();
    }
}

void TfraWelcome::languageChosen(int index)
{
    CurrentSelection().interfaceLanguage = index;
    TPreferences::setOwnerLan(index);
    SelectHelpFile(index);
    // The whole window follows at once; without the language's file it stays English.
    if (!SetInterfaceLanguage(index))
        ShowErrorMessage(
            tr("Change Language"),
            tr("The translation of the program into %1 cannot be found, so the program "
               "stays in English. Install the program again to repair it.")
                .arg(m_language->itemText(index)));
}

void TfraWelcome::retranslateUi()
{
    const QStringList names = languageNames();
    for (int i = 0; i < names.size() && i < m_language->count(); ++i)
        m_language->setItemText(i, names.at(i));
}

void TfraWelcome::FollowLink(const QUrl &link)
{
    const QString address = link.toString();
    const QString upper = address.toUpper();
    if (!upper.contains(QLatin1String(".HLP"))) {
        const QUrl target = m_shown.resolved(link);
        if (target.isLocalFile()) {
            m_browser->setSource(target);
            m_shown = target;
        } else {
            QDesktopServices::openUrl(target); // web pages open in the user's browser
        }
        return;
    }
    // A manual: not shown in the browser, but in the help viewer.
    const int language = languageOfManual(upper);
    if (language >= 0)
        m_language->setCurrentIndex(language);
    languageChosen(m_language->currentIndex());
    // The manual's own name, never a path: the page cannot point outside Help/.
    const QString name = QFileInfo(address.right(13)).fileName();
    SetApplicationHelpFile(ProgramFile(QStringLiteral("Help/") + name));
    OpenHelpAtContext(ApplicationHelpFile(), 1, this);
}

void TfraWelcome::showLocalPage()
{
    const QString file = ProgramFile(QStringLiteral("index.html"));
    if (QFileInfo(file).isFile()) {
        m_browser->setSource(QUrl::fromLocalFile(file));
        m_shown = QUrl::fromLocalFile(file);
    } else {
        m_browser->setHtml(tr("<h3>The page %1 cannot be found.</h3>").arg(file.toHtmlEscaped()));
        m_shown = QUrl::fromLocalFile(file);
    }
    emit pageShown(m_shown);
}

void TfraWelcome::showOnlinePage(const QUrl &page)
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(page);
    request.setTransferTimeout(15000);
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply, page] {
        reply->deleteLater();
        // The page is shown only when it came; otherwise the local one stands in.
        if (reply->error() == QNetworkReply::NoError) {
            showHtml(QString::fromUtf8(reply->readAll()), page);
            m_shown = page;
            emit pageShown(page);
        } else {
            showLocalPage();
        }
    });
}

void TfraWelcome::showHtml(const QString &html, const QUrl &base)
{
    m_browser->document()->setBaseUrl(base);
    m_browser->setHtml(html);
}
