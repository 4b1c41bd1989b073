#include "app/mainwindow.h"

#include "app/pagefactory.h"
#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/version.h"
#include "shell/helpfile.h"
#include "shell/interfacelanguage.h"
#include "shell/ui/helpviewer.h"
#include "shell/ui/languageswitch.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/programidentity.h"
#include "shell/ui/shellfonts.h"
#include "shell/ui/splashwindow.h"
#include "shell/ui/statusbar.h"
#include "shell/ui/tcolor.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/recordops_selection.h"
#include "update/updatecheck.h"
#include "update/updatenotifier.h"
#include "update/updateserver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace
{
const char FrameClassProperty[] = "frameClass";
const char PageIndexProperty[] = "pageIndex";
constexpr int HeaderHeight = 40;
constexpr int TitleColour = 1253976;

TfrmMain::PageFactory &pageFactoryOverride()
{
    static TfrmMain::PageFactory factory;
    return factory;
}

// The header picture, stretched over the header panel.
class THeaderPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient gradient(0, 0, width(), 0);
        gradient.setColorAt(0, QColor(250, 236, 200));
        gradient.setColorAt(1, QColor(200, 220, 245));
        p.fillRect(rect(), gradient);
    }
};
} // namespace

TfrmMain::TfrmMain(TdtmMain *dataModule, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint),
      m_dataModule(dataModule),
      m_pageFactory(pageFactoryOverride() ? pageFactoryOverride() : PageFactory(CreateWizardPage))
{
    // The interface language first, so that the window is built in it.
    const int language = DetermineInterfaceLanguage();
    SetInterfaceLanguage(language);

    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Velmor"));
    setWindowIcon(ProgramIcon());
    setFixedSize(937, 657);
    setFont(TahomaFont());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createHeader());
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pctFmMain"));
    m_pages->tabBar()->hide();
    m_pages->setDocumentMode(true);
    layout->addWidget(m_pages, 1);
    m_statusBar = new TStatusBar(this);
    layout->addWidget(m_statusBar);

    // 1. The program's number format. A connection the online check made while
    // the splash stood stays open: closing it here made the first show connect
    // a second time and tell every start-up error twice.
    ApplyNumberFormat();
    connectDataModule();
    // 2.-3. Tab sheets with their frame classes, the welcome frame.
    createPages();
    // 4. An empty selection: ids, counts, list positions and the terrain-study flag.
    TCurrentSelection &selection = CurrentSelection();
    selection.ownerId = selection.siteId = selection.placementId = selection.pointId = 0;
    selection.ownerCount = selection.siteCount = selection.placementCount = selection.pointCount =
        0;
    selection.ownerPosition = selection.sitePosition = selection.placementPosition = 0;
    selection.terrainStudy = false;
    // 5. Interface language and help file.
    SelectHelpFile(language);
    // F1 opens the help of the active page, as the pages' Help buttons do.
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { ShowHelp(ActivePage()); });

    // 6. The welcome page.
    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmMain::onPageChanged);
    showSheet(PageWelcome);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::SetPageFactory(PageFactory factory)
{
    pageFactoryOverride() = std::move(factory);
}

QWidget *TfrmMain::createHeader()
{
    auto *header = new THeaderPanel(this);
    header->setObjectName(QStringLiteral("pnlHeader"));
    header->setFixedHeight(HeaderHeight);
    m_title = new QLabel(tr("Welcome"), header);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont;
    titleFont.setFamilies(
        {QStringLiteral("Arial Rounded MT Bold"), QStringLiteral("Liberation Sans")});
    titleFont.setPixelSize(27);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette palette = m_title->palette();
    palette.setColor(QPalette::WindowText, ColourFromValue(TitleColour));
    m_title->setPalette(palette);
    m_title->setAttribute(Qt::WA_TranslucentBackground);
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_title);
    return header;
}

void TfrmMain::createPages()
{
    const QSignalBlocker blocker(m_pages);
    for (int page = 0; page < WizardPageCount; ++page) {
        auto *sheet = new QWidget(m_pages);
        sheet->setObjectName(TabSheetName(page));
        sheet->setProperty(FrameClassProperty, FrameClassName(page));
        sheet->setProperty(PageIndexProperty, page);
        auto *sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        m_pages->addTab(sheet, PageTitle(page));
    }
    m_pages->setCurrentIndex(PageWelcome);
}

TfraBase *TfrmMain::PageFrame(int page) const
{
    QWidget *sheet = m_pages->widget(page);
    return sheet ? sheet->findChild<TfraBase *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void TfrmMain::showSheet(int page)
{
    QWidget *sheet = m_pages->widget(page);
    if (!sheet)
        return;
    TfraBase *frame = PageFrame(page);
    if (!frame) {
        frame = m_pageFactory(page, *this, sheet);
        sheet->layout()->addWidget(frame);
        frame->show();
    }
    m_shownPage = page;
    frame->ActivatePage();
    ShowPageTitle(page);
}

void TfrmMain::hideSheet(int page)
{
    if (TfraBase *frame = PageFrame(page))
        frame->DeactivatePage();
}

void TfrmMain::onPageChanged(int page)
{
    if (m_shownPage >= 0 && m_shownPage != page)
        hideSheet(m_shownPage);
    showSheet(page);
}

void TfrmMain::SetActivePage(int page)
{
    if (page >= 0 && page < WizardPageCount)
        m_pages->setCurrentIndex(page);
}

int TfrmMain::ActivePage() const
{
    return m_pages->currentIndex();
}

void TfrmMain::CloseWizard()
{
    close();
}

void TfrmMain::ShowPageTitle(int page)
{
    m_title->clear();
    m_title->setText(PageTitle(page));
}

QString TfrmMain::PageTitleText() const
{
    return m_title->text();
}

void TfrmMain::ClearSelection(TCurrentSelection &selection)
{
    selection.clear();
}

void TfrmMain::RefreshStatusBar()
{
    const TCurrentSelection &selection = CurrentSelection();
    m_statusBar->setPanelText(TStatusBar::PanelCall, selection.call);
    m_statusBar->setPanelText(TStatusBar::PanelSite, selection.siteName);
    m_statusBar->setPanelText(TStatusBar::PanelPlacement, selection.placementRef);
}

void TfrmMain::ShowHelp(int page)
{
    SelectHelpFile(CurrentSelection().interfaceLanguage);
    OpenHelpAtContext(ApplicationHelpFile(), HelpContextForPage(page), this);
}

void TfrmMain::RestoreAndRaise()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmMain::connectDataModule()
{
    if (!m_dataModule)
        return;
    connect(m_dataModule, &TdtmMain::connectionStatusChanged, this, [this](const QString &text) {
        // The panel follows the connection only while the window is visible.
        if (!isVisible())
            return;
        m_statusBar->setPanelText(TStatusBar::PanelConnection, text);
        m_statusBar->repaint();
    });
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_firstShowPending) {
        m_firstShowPending = false;
        // After the window is on screen, so that messages of the connection stand over it.
        QTimer::singleShot(0, this, &TfrmMain::firstShow);
    }
}

void TfrmMain::firstShow()
{
    m_statusBar->setPanelText(TStatusBar::PanelVersion, GetFileVersionText() + QLatin1Char(' '));
    if (m_dataModule) {
        const QString version = m_dataModule->GetDatabaseVersion();
        m_statusBar->setPanelText(TStatusBar::PanelDatabaseVersion, version + QLatin1Char(' '));
        if (m_dataModule->conMainDb->isConnected()) {
            m_statusBar->setPanelText(TStatusBar::PanelConnection, tr("Connected"));
        }
    }
    ShowPageTitle(PageWelcome);
    m_statusBar->repaint();
    QApplication::processEvents();
    if (m_dataModule && m_dataModule->conMainDb->isConnected()) {
        const TOpStatus selected = SelectFirstOwner(*m_dataModule, true);
        if (!selected.ok())
            ShowErrorMessage(tr("Starting VLM"), selected.error);
        RefreshStatusBar();
    }
    emit firstShowDone();
}

void TfrmMain::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Each paint closes the splash while it exists and asks whether a newer
    // program exists (the check itself limits how often it asks the server).
    if (TfrmSplash *splash = TfrmSplash::instance()) {
        QTimer::singleShot(0, splash, [splash] {
            splash->hide();
            splash->close();
        });
    }
    startUpdateCheck();
}

void TfrmMain::startUpdateCheck()
{
    if (!m_updateCheckEnabled)
        return;
    if (!m_updateCheck) {
        m_updateCheck = new UpdateCheck(this);
        connect(m_updateCheck, &UpdateCheck::noUpgradeAvailable, this,
                [] { SetSkipExitConfirmation(true); });
        connect(m_updateCheck, &UpdateCheck::upgradeAvailable, this,
                [] { SetSkipExitConfirmation(false); });
        new UpdateNotifier(m_updateCheck, this); // offers the newer version once per run
    }
    m_updateCheck->start(GetFileVersionText(), UpdateInfoUrl());
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    // Pending edits are settled first, also when leaving needs no question.
    if (TfraBase *frame = PageFrame(ActivePage()); frame && !frame->ResolvePendingEdits()) {
        event->ignore();
        return;
    }
    if (SkipExitConfirmation()) {
        event->accept();
        return;
    }
    if (AskYesNo(tr("Leaving VLM"), tr("Are you sure you want to leave VLM ?")) != AnswerYes) {
        event->ignore();
        return;
    }
    if (m_beforeExit)
        m_beforeExit();
    event->accept();
}
