#pragma once

#include "shell/ui/wizardhost.h"

class TdtmMain;

// A wizard host without a window: records what the page asked of it.
class FakeWizardHost : public IWizardHost
{
public:
    void SetActivePage(int page) override { activePage = page; }
    int ActivePage() const override { return activePage; }
    void CloseWizard() override {}
    void RefreshStatusBar() override { ++statusRefreshes; }
    void ShowHelp(int) override {}
    TdtmMain *DataModule() const override { return dm; }

    TdtmMain *dm = nullptr;
    int activePage = -1;
    int statusRefreshes = 0;
};
