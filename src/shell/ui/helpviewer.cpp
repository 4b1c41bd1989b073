#include "shell/ui/helpviewer.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

void OpenHelpAtContext(const QString &helpFile, int context, QWidget *parent)
{
    auto *window = new QDialog(parent);
    window->setObjectName(QStringLiteral("frmHelp"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QDialog::tr("VLM Help"));
    window->resize(640, 480);
    window->setProperty("helpContext", context);
    auto *browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("txbHelp"));
    browser->setOpenExternalLinks(false);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);

    if (QFileInfo::exists(helpFile)) {
        QUrl url = QUrl::fromLocalFile(helpFile);
        url.setFragment(QString::number(context));
        // The manuals are HTML whatever their extension says.
        browser->setSearchPaths({QFileInfo(helpFile).absolutePath()});
        browser->document()->setMetaInformation(QTextDocument::DocumentUrl, url.toString());
        QFile file(helpFile);
        if (file.open(QIODevice::ReadOnly))
            browser->setHtml(QString::fromUtf8(file.readAll()));
        browser->scrollToAnchor(QString::number(context));
    } else {
        browser->setPlainText(QDialog::tr("The help file %1 cannot be found.").arg(helpFile));
    }
    window->show();
}
