#pragma once

#include "shell/ui/wizardhost.h"

// A stand-in for the main window: remembers where the page sent the user.
class TUserDataTestHost : public IWizardHost
{
public:
    explicit TUserDataTestHost(TdtmMain *dm) : m_dm(dm) {}

    void SetActivePage(int page) override { activePage = page; }
    int ActivePage() const override { return activePage; }
    void CloseWizard() override { closed = true; }
    void RefreshStatusBar() override { ++statusRefreshes; }
    void ShowHelp(int page) override { helpPage = page; }
    TdtmMain *DataModule() const override { return m_dm; }

    int activePage = 1;
    int helpPage = -1;
    int statusRefreshes = 0;
    bool closed = false;

private:
    TdtmMain *m_dm;
};
