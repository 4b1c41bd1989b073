#pragma once

#include "shell/ui/pagebase.h"

#include <QUrl>

class QComboBox;
class QNetworkAccessManager;
class QTextBrowser;

// Wizard page 0: the introductory web page, the choice of the interface
// language and the links to the manuals.
class TfraWelcome : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraWelcome)

public:
    TfraWelcome(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraWelcome() override;

    // Shows the maker's online page when the last Internet check was green,
    // else the local "index.html" of the program's folder.
    void ActivatePage() override;

    // What the browser does with a link the user followed: a link to a
    // manual (".HLP") is not followed but switches the interface language and
    // opens that manual on its first topic; other links are followed.
    void FollowLink(const QUrl &link);

    // The page the browser shows (the online page's address or the local file).
    QUrl shownPage() const { return m_shown; }

protected:
    void retranslateUi() override;

signals:
    // The browser shows a new page (tests wait for the online page).
    void pageShown(const QUrl &page);

private:
    void languageChosen(int index);
    void showLocalPage();
    void showOnlinePage(const QUrl &page);
    void showHtml(const QString &html, const QUrl &base);

    QTextBrowser *m_browser;
    QComboBox *m_language;
    QNetworkAccessManager *m_network = nullptr;
    QUrl m_shown;
};
