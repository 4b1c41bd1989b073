#include "shell/wizardpages.h"

#include <gtest/gtest.h>

namespace
{
struct PageRow {
    int page;
    const char *title;
    const char *tabSheet;
    const char *frameClass;
    int next;
    int back;
    int helpContext;
};

const PageRow Rows[] = {
    {0, "Welcome to VLM", "tbsWelcome", "TfraWelcome", 1, PageNone, 10},
    {1, "User Personal Data", "tbsUserData", "TfraUserData", 3, 0, 11},
    {2, "Special Low Power Case", "tbsQrpInput", "TfraQrpInput", PageExit, 1, 12},
    {3, "Site Data", "tbsSiteDef", "TfraSiteDef", 4, 1, 13},
    {4, "Antenna Data", "tbsAntennaDef", "TfraAntennaDef", 5, 3, 14},
    {5, "Power Data", "tbsPowerFreq", "TfraPowerFreq", 6, 4, 15},
    {6, "Critical Test Points", "tbsCriticalPnts", "TfraCriticalPnts", 7, 5, 16},
    {7, "VLM Reporting", "tbsReportView", "TfraReportView", 8, 6, 17},
    {8, "Last Step...", "tbsBiptData", "TfraBiptData", PageExit, 7, 19},
};

TEST(WizardPages, EveryPageHasItsNamesRoutesAndHelpContext)
{
    for (const PageRow &r : Rows) {
        SCOPED_TRACE(r.page);
        EXPECT_EQ(PageTitle(r.page).toStdString(), r.title);
        EXPECT_EQ(TabSheetName(r.page).toStdString(), r.tabSheet);
        EXPECT_EQ(FrameClassName(r.page).toStdString(), r.frameClass);
        EXPECT_EQ(NextPage(r.page), r.next);
        EXPECT_EQ(BackPage(r.page, false), r.back);
        EXPECT_EQ(HelpContextForPage(r.page), r.helpContext);
    }
}

TEST(WizardPages, SubmissionBackFollowsTheLowPowerReportFlag)
{
    EXPECT_EQ(BackPage(PageBiptData, false), PageReportView);
    EXPECT_EQ(BackPage(PageBiptData, true), PageQrpInput);
    // The flag only matters on the submission page.
    EXPECT_EQ(BackPage(PageSiteDef, true), PageUserData);
}

TEST(WizardPages, IndexesOutsideTheWizard)
{
    for (int page : {-1, 9, 100}) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(PageTitle(page).isEmpty());
        EXPECT_TRUE(TabSheetName(page).isEmpty());
        EXPECT_EQ(NextPage(page), PageNone);
        EXPECT_EQ(BackPage(page, true), PageNone);
        EXPECT_EQ(HelpContextForPage(page), 10);
    }
}
} // namespace
