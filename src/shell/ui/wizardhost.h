#pragma once

class TdtmMain;

// What a wizard page may ask of the window that holds it. TfrmMain implements
// it; page tests can give a page a small fake host instead.
class IWizardHost
{
public:
    virtual ~IWizardHost() = default;

    // Makes `page` the active page; the window deactivates the old page and
    // creates (first time) and activates the new one.
    virtual void SetActivePage(int page) = 0;
    virtual int ActivePage() const = 0;

    // Closes the main window; it asks before leaving unless the question is skipped.
    virtual void CloseWizard() = 0;

    // Writes the current owner's call, site name and placement reference into
    // the status bar.
    virtual void RefreshStatusBar() = 0;

    // Opens the help file of the interface language at the page's context.
    virtual void ShowHelp(int page) = 0;

    // The data module, or nullptr when the window runs without one (tests).
    virtual TdtmMain *DataModule() const = 0;
};
