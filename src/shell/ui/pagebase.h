#pragma once

#include "shell/ui/wizardhost.h" // pages call host() directly

#include <QFrame>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>

class QPushButton;

// The base frame of every wizard page: an area for the page's own controls and,
// along the bottom, a 38-pixel navigation bar with "Help" at the far left and
// "  &Back" and "&Next  " at the right (objectNames bbnHelp, bbnBack, bbnNext).
//
// A real page derives from it, puts its controls into content(), loads its data
// in ActivatePage() (calling TfraBase::ActivatePage() first) and overrides
// NextClicked()/BackClicked() where it does more than the standard route; the
// base versions settle pending edits first (ResolvePendingEdits()) and then
// follow the wizard's route table (wizardpages.h).
class TfraBase : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraBase)

public:
    TfraBase(int pageIndex, IWizardHost &host, QWidget *parent = nullptr);
    ~TfraBase() override;

    int PageIndex() const { return m_pageIndex; }

    // Called each time the page's tab sheet is shown / hidden. The base does nothing.
    virtual void ActivatePage();
    virtual void DeactivatePage();

    QWidget *content() const { return m_content; }
    QWidget *navigationPanel() const { return m_navigation; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *backButton() const { return m_back; }
    QPushButton *helpButton() const { return m_help; }

    // Before the page is left (Next, Back, another page's button, closing the
    // window): for each of its groups with a pending edit, asks "Save the
    // changes ?"; Yes saves (when the save refuses, the page stays and this
    // returns false), No throws the edit away. True when the page may be left.
    virtual bool ResolvePendingEdits();

protected:
    // Standard route of "&Next  " (the welcome page also clears
    // SkipExitConfirmation; the last pages close the window).
    virtual void NextClicked();
    // Standard route of "  &Back" (the low-power page also clears the low-power
    // report flag; the submission page returns to it while that flag is set).
    virtual void BackClicked();
    // Opens the help at this page's context.
    virtual void HelpClicked();

    // Rebuilds the texts the page composes itself (with numbers, names or
    // states) after the interface language changed. Fixed texts made with
    // tr() follow on their own (languageswitch.h). The base does nothing.
    virtual void retranslateUi();

    IWizardHost &host() const { return m_host; }

    // A group of the page with its Save and Cancel buttons, which
    // ResolvePendingEdits() clicks. An edit is pending while `pending` says so,
    // or, without it, while Save is enabled.
    void watchPendingEdits(QPushButton *save, QPushButton *cancel, const QString &caption,
                           std::function<bool()> pending = {});

    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct TPendingGroup {
        QPointer<QPushButton> save;
        QPointer<QPushButton> cancel;
        QString caption;
        std::function<bool()> pending;
    };

    int m_pageIndex;
    QVector<TPendingGroup> m_pendingGroups;
    IWizardHost &m_host;
    QWidget *m_content;
    QWidget *m_navigation;
    QPushButton *m_next;
    QPushButton *m_back;
    QPushButton *m_help;
};
