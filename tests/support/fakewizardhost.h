#pragma once

#include "shell/ui/wizardhost.h"

class TdtmMain;

// A wizard host without a window: records what the page asked of it.
class FakeWizardHost : public IWizardHost
{
public:
    explicit FakeWizardHost(TdtmMain *dataModule = nullptr, int startPage = -1)
        : dm(dataModule), activePage(startPage)
    {
    }

    void SetActivePage(int page) override { activePage = page; }
    int ActivePage() const override { return activePage; }
    void CloseWizard() override { ++closes; }
    void RefreshStatusBar() override { ++statusRefreshes; }
    void ShowHelp(int page) override { helpPage = page; }
    TdtmMain *DataModule() const override { return dm; }

    bool closed() const { return closes > 0; }

    TdtmMain *dm = nullptr;
    int activePage = -1;
    int statusRefreshes = 0;
    int helpPage = -1; // the page whose help was asked for last
    int closes = 0;    // CloseWizard calls
};
