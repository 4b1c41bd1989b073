#include "app/pagefactory.h"

#include "base/messages.h"
#include "exposure/lowpower/ui/lowpowerpage.h"
#include "exposure/ui/criticalpntspage.h"
#include "exposure/ui/powerfreqpage.h"
#include "pages/ui/antennadef.h"
#include "pages/ui/sitedef.h"
#include "pages/ui/userdatapage.h"
#include "reports/ui/printoperations.h"
#include "reports/ui/reportviewpage.h"
#include "reports/ui/submissionpage.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/welcomepage.h"
#include "shell/wizardpages.h"

#include <QLabel>
#include <QVBoxLayout>

// Real pages: include the page's header here and give its index a line in the
// switch below, e.g.  case PageUserData: return new TfraUserData(host, parent);
// Every page constructor takes (IWizardHost &host, QWidget *parent).

namespace
{
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
