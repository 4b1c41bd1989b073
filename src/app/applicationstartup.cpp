#include "app/applicationstartup.h"

#include "app/mainwindow.h"
#include "app/onlinewatchstartup.h"
#include "base/applicationstate.h"
#include "base/installlayout.h"
#include "base/meridoxbinding.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "shell/interfacelanguage.h"
#include "shell/singleinstance.h"
#include "shell/ui/languageswitch.h"
#include "shell/ui/messagedialog.h"
#include "shell/ui/programidentity.h"
#include "shell/ui/splashwindow.h"
#include "store/datamodule.h"
#include "store/online/onlinewatchhandler.h"

#include <QApplication>
#include <memory>

namespace
{
// Removes the presenter again when the run ends, before the dialogs' parents go.
struct PresenterInstallation {
    explicit PresenterInstallation(MessagePresenter *presenter) { SetMessagePresenter(presenter); }
    ~PresenterInstallation() { SetMessagePresenter(nullptr); }
    Q_DISABLE_COPY_MOVE(PresenterInstallation)
};
} // namespace

int RunApplication(QApplication &app)
{
    // The icon and desktop entry before the first window, a message included.
    DeclareProgramIdentity();
    TDialogPresenter presenter;
    PresenterInstallation installed(&presenter);

    // The stored interface language (or the system's) already for the first
    // messages and the splash; the main window confirms it and writes it back.
    SetInterfaceLanguage(
        InterfaceLanguageFor(TPreferences::ownerLan(), QLocale::system().language()));

    // 1. The coordinate-conversion library, loaded and configured before anything else.
    const ConversionLibraryLoad conversion = LoadConversionLibrary();

    // 2. One running instance per installation folder.
    TSingleInstance guard(TSingleInstance::KeyForProgram(QApplication::applicationFilePath()));
    QString guardError;
    switch (guard.registerInstance(&guardError)) {
    case TSingleInstance::Registered:
        break;
    case TSingleInstance::AlreadyRunning:
        ShowInfoMessage(QApplication::translate("Startup", "VLM Info"),
                        QApplication::translate("Startup", "VLM Application already running !"));
        guard.activateRunningInstance();
        return 0;
    case TSingleInstance::Failed:
        ShowErrorMessage(QApplication::translate("Startup", "VLM Info"), guardError);
        return 1;
    }

    // Told only to the instance that goes on running, before the splash stands over it.
    ReportConversionLibraryLoad(conversion);

    // 3. The splash, hidden for now.
    auto *splash = new TfrmSplash; // frees itself when it closes

    // 4. The application's title.
    QApplication::setApplicationName(QStringLiteral("Velmor"));

    // An installed copy, whose folder the user cannot write, works on the
    // user's own copy of the database (named by the application name above).
    const UserDatabasePreparation userDatabase = PrepareUserDatabase();
    if (!userDatabase.ok)
        ShowErrorMessage(QApplication::translate("Startup", "VLM Database"), userDatabase.error);

    // 5. The data module (number format, first connection pending) and its
    //    online watch; no confirmation skipped before the update check has spoken.
    SetSkipExitConfirmation(false);
    TdtmMain dataModule;
    QObject::connect(&dataModule, &TdtmMain::terminationRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    const std::unique_ptr<TOnlineWatchHandler> onlineWatch = StartOnlineWatch(dataModule);

    // 6. The splash with the version.
    splash->ShowSplash();

    // 7. The main window; a later start of the program brings it forward.
    TfrmMain mainWindow(&dataModule);
    QObject::connect(&guard, &TSingleInstance::activationRequested, &mainWindow,
                     &TfrmMain::RestoreAndRaise);
    // Leaving: the watch's thread is stopped and joined before the window closes.
    mainWindow.SetBeforeExit([&onlineWatch] { onlineWatch->Stop(); });
    mainWindow.show();

    // 8. The event loop until the window closes or a connection failure ends the run.
    const int code = app.exec();
    if (TfrmSplash *left = TfrmSplash::instance())
        delete left;
    return dataModule.TerminationRequested() ? 1 : code;
}
