#include "shell/pagefactory.h"

#include <QLabel>
#include <QVBoxLayout>

#include "pages/userdatapage.h"
#include "pages/antennadef.h"
#include "pages/sitedef.h"
#include "exposure/criticalpntspage.h"
#include "exposure/powerfreqpage.h"
#include "reports/printoperations.h"
#include "reports/reportviewpage.h"
#include "reports/submissionpage.h"
#include "exposure/lowpower/lowpowerpage.h"
#include "shell/messages.h"
#include "shell/pagebase.h"
#include "shell/welcomepage.h"
#include "shell/wizardpages.h"

// Real pages: include the page's header here and give its index a line in the
// switch below, e.g.  case PageUserData: return new TfraUserData(host, parent);
// Every page constructor takes (IWizardHost &host, QWidget *parent).

namespace {
// The user data page prints the special-case declaration through the reports.
void InstallDeclarationPrinter()
{
    TfraUserData::SetDeclarationPrinter([](TdtmMain &dm, int specialCase) {
        const TOpStatus status = PrintSpecialCaseDeclaration(dm, specialCase);
        if (!status.ok())
            ShowErrorMessage(QObject::tr("User Data"), status.error);
    });
}

// A page whose own content is not built yet: its title and the navigation.
TfraBase *placeholderPage(int page, IWizardHost &host, QWidget *parent)
{
    auto *frame = new TfraBase(page, host, parent);
    auto *caption = new QLabel(PageTitle(page), frame->content());
    caption->setObjectName(QStringLiteral("lblPlaceholder"));
    caption->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(frame->content());
    layout->addWidget(caption);
    return frame;
}
} // namespace

TfraBase *CreateWizardPage(int page, IWizardHost &host, QWidget *parent)
{
    switch (page) {
    case PagePowerFreq:
        return new TfraPowerFreq(host, parent);
    case PageCriticalPnts:
        return new TfraCriticalPnts(host, parent);
    case PageWelcome:
        return new TfraWelcome(host, parent);
    case PageUserData:
        InstallDeclarationPrinter();
        return new TfraUserData(host, parent);
    case PageAntennaDef:
        return new TfraAntennaDef(host, parent);
    case PageSiteDef:
        return new TfraSiteDef(host, parent);
    case PageReportView:
        return new TfraReportView(host, parent);
    case PageBiptData:
        return new TfraBiptData(host, parent);
    case PageQrpInput:
        return new TfraQrpInput(host, parent);
    default:
        return placeholderPage(page, host, parent);
    }
}
