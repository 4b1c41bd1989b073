#pragma once

#include <QString>

// The nine wizard pages in page-index order, their names, titles, help contexts
// and the Next/Back routes between them.

enum WizardPage {
    PageWelcome = 0,
    PageUserData = 1,
    PageQrpInput = 2,
    PageSiteDef = 3,
    PageAntennaDef = 4,
    PagePowerFreq = 5,
    PageCriticalPnts = 6,
    PageReportView = 7,
    PageBiptData = 8,
    WizardPageCount = 9,
};

// Route target meaning "close the main window" (which asks before leaving).
constexpr int PageExit = -1;
// Route target of the welcome page's hidden Back button.
constexpr int PageNone = -2;

// Title shown in the header ("Welcome to VLM", ...); empty outside 0..8.
QString PageTitle(int page);
// Object name of the page's tab sheet ("tbsWelcome", ...); empty outside 0..8.
QString TabSheetName(int page);
// Class name of the page's frame ("TfraWelcome", ...); empty outside 0..8.
QString FrameClassName(int page);

// Where "&Next  " leads from a page.
int NextPage(int page);
// Where "  &Back" leads from a page; the submission page returns to the
// low-power page when its report was made.
int BackPage(int page, bool lowPowerReport);

// Help context of a page: 10..17 for pages 0..7, 19 for page 8, 10 otherwise.
int HelpContextForPage(int page);
