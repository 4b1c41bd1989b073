#include "shell/wizardpages.h"

#include <QCoreApplication>

namespace
{
struct PageInfo {
    const char *tabSheet;
    const char *frameClass;
    const char *title;
    int next;
    int back;
    int helpContext;
};

const PageInfo Pages[WizardPageCount] = {
    {"tbsWelcome", "TfraWelcome", QT_TRANSLATE_NOOP("Wizard", "Welcome to VLM"), PageUserData,
     PageNone, 10},
    {"tbsUserData", "TfraUserData", QT_TRANSLATE_NOOP("Wizard", "User Personal Data"), PageSiteDef,
     PageWelcome, 11},
    {"tbsQrpInput", "TfraQrpInput", QT_TRANSLATE_NOOP("Wizard", "Special Low Power Case"), PageExit,
     PageUserData, 12},
    {"tbsSiteDef", "TfraSiteDef", QT_TRANSLATE_NOOP("Wizard", "Site Data"), PageAntennaDef,
     PageUserData, 13},
    {"tbsAntennaDef", "TfraAntennaDef", QT_TRANSLATE_NOOP("Wizard", "Antenna Data"), PagePowerFreq,
     PageSiteDef, 14},
    {"tbsPowerFreq", "TfraPowerFreq", QT_TRANSLATE_NOOP("Wizard", "Power Data"), PageCriticalPnts,
     PageAntennaDef, 15},
    {"tbsCriticalPnts", "TfraCriticalPnts", QT_TRANSLATE_NOOP("Wizard", "Critical Test Points"),
     PageReportView, PagePowerFreq, 16},
    {"tbsReportView", "TfraReportView", QT_TRANSLATE_NOOP("Wizard", "VLM Reporting"), PageBiptData,
     PageCriticalPnts, 17},
    {"tbsBiptData", "TfraBiptData", QT_TRANSLATE_NOOP("Wizard", "Last Step..."), PageExit,
     PageReportView, 19},
};

const PageInfo *info(int page)
{
    return page >= 0 && page < WizardPageCount ? &Pages[page] : nullptr;
}
} // namespace

QString PageTitle(int page)
{
    const PageInfo *p = info(page);
    return p ? QCoreApplication::translate("Wizard", p->title) : QString();
}

QString TabSheetName(int page)
{
    const PageInfo *p = info(page);
    return p ? QString::fromLatin1(p->tabSheet) : QString();
}

QString FrameClassName(int page)
{
    const PageInfo *p = info(page);
    return p ? QString::fromLatin1(p->frameClass) : QString();
}

int NextPage(int page)
{
    const PageInfo *p = info(page);
    return p ? p->next : PageNone;
}

int BackPage(int page, bool lowPowerReport)
{
    if (page == PageBiptData && lowPowerReport)
        return PageQrpInput;
    const PageInfo *p = info(page);
    return p ? p->back : PageNone;
}

int HelpContextForPage(int page)
{
    const PageInfo *p = info(page);
    return p && page >= 1 ? p->helpContext : 10;
}
