#pragma once

#include "shell/ui/wizardhost.h"

#include <QWidget>
#include <functional>

class QLabel;
class QTabWidget;
class TfraBase;
class TStatusBar;
class UpdateCheck;
struct TCurrentSelection;

// The frame of the wizard: a header with the page title, the page control
// pctFmMain with its tabs hidden and one tab sheet per page (frames created on
// first show and kept until exit), and the status bar stbFmMain.
class TfrmMain : public QWidget, public IWizardHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMain)

public:
    // dataModule may be nullptr (tests); it is not owned.
    explicit TfrmMain(TdtmMain *dataModule = nullptr, QWidget *parent = nullptr);
    ~TfrmMain() override;

    // IWizardHost
    void SetActivePage(int page) override;
    int ActivePage() const override;
    void CloseWizard() override;
    void RefreshStatusBar() override;
    void ShowHelp(int page) override;
    TdtmMain *DataModule() const override { return m_dataModule; }

    // Clears the title, then shows the title of the page; empty outside 0..8.
    void ShowPageTitle(int page);
    QString PageTitleText() const;

    // Empties a selection record but for its interface language.
    static void ClearSelection(TCurrentSelection &selection);

    // The frame of a page, or nullptr when it was not shown yet.
    TfraBase *PageFrame(int page) const;
    TStatusBar *statusBar() const { return m_statusBar; }

    // Called when the user confirmed leaving, before the window closes (the
    // start-up code stops the online watch here).
    void SetBeforeExit(std::function<void()> beforeExit) { m_beforeExit = std::move(beforeExit); }

    // The function that creates page frames; windows created afterwards use it.
    // An empty function restores CreateWizardPage (tests of the shell's own
    // navigation install plain TfraBase frames).
    using PageFactory = std::function<TfraBase *(int page, IWizardHost &host, QWidget *parent)>;
    static void SetPageFactory(PageFactory factory);

    // Whether the self-update check runs at each paint (off in tests).
    void SetUpdateCheckEnabled(bool enabled) { m_updateCheckEnabled = enabled; }

public slots:
    // Another start of the program asked this one to come forward.
    void RestoreAndRaise();

signals:
    // The first show has read the database version (and connected).
    void firstShowDone();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createHeader();
    void createPages();
    void showSheet(int page);
    void hideSheet(int page);
    void onPageChanged(int page);
    void firstShow();
    void startUpdateCheck();
    void connectDataModule();

    TdtmMain *m_dataModule;
    QLabel *m_title = nullptr;
    QTabWidget *m_pages = nullptr;
    TStatusBar *m_statusBar = nullptr;
    UpdateCheck *m_updateCheck = nullptr;
    int m_shownPage = -1;
    bool m_firstShowPending = true;
    bool m_updateCheckEnabled = true;
    std::function<void()> m_beforeExit;
    PageFactory m_pageFactory;
};
