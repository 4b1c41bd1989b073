#include "update/updatenotifier.h"

#include "base/messages.h"
#include "update/updatecheck.h"
#include "update/updatedownload.h"

#include <QDir>
#include <QStandardPaths>

UpdateNotifier::UpdateNotifier(UpdateCheck *check, QObject *parent)
    : QObject(parent), m_download(new UpdateDownload(this)),
      m_downloadFolder(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation))
{
    if (m_downloadFolder.isEmpty())
        m_downloadFolder = QDir::homePath();
    connect(check, &UpdateCheck::upgradeAvailable, this, &UpdateNotifier::onUpgradeAvailable);
    connect(m_download, &UpdateDownload::finished, this, &UpdateNotifier::onDownloaded);
    connect(m_download, &UpdateDownload::failed, this, &UpdateNotifier::onDownloadFailed);
}

UpdateNotifier::~UpdateNotifier() = default;

QString UpdateNotifier::caption()
{
    return tr("VLM Update");
}

QString UpdateNotifier::offerText(const QString &newVersion, const QString &programVersion,
                                  const QString &folder)
{
    return tr("A new version of VLM (%1) is available; you are using %2.")
               .arg(newVersion, programVersion) +
           QLatin1Char('\n') +
           tr("Do you want to download it into %1 ?").arg(QDir::toNativeSeparators(folder));
}

QString UpdateNotifier::savedText(const QString &filePath)
{
    return tr("The new version has been saved as :") + QLatin1Char('\n') +
           QDir::toNativeSeparators(filePath) + QLatin1Char('\n') +
           tr("Close VLM before installing it.");
}

QString UpdateNotifier::failedText(const QString &reason)
{
    return tr("The new version couldn't be downloaded !") + QLatin1Char('\n') + reason;
}

void UpdateNotifier::onUpgradeAvailable(const UpdateInfo &info, const QString &programVersion)
{
    if (m_told)
        return;
    // Set before asking: the question is modal and paints go on while it is shown.
    m_told = true;
    const int answer =
        AskYesNo(caption(), offerText(info.version.toString(), programVersion, m_downloadFolder));
    if (answer != AnswerYes) {
        emit offerAnswered(false);
        return;
    }
    if (!m_download->start(info.download, m_downloadFolder)) {
        ShowErrorMessage(caption(),
                         failedText(tr("The folder %1 cannot be written.")
                                        .arg(QDir::toNativeSeparators(m_downloadFolder))));
        emit offerAnswered(false);
        return;
    }
    emit offerAnswered(true);
}

void UpdateNotifier::onDownloaded(const QString &filePath)
{
    ShowInfoMessage(caption(), savedText(filePath));
}

void UpdateNotifier::onDownloadFailed(const QString &reason)
{
    ShowErrorMessage(caption(), failedText(reason));
}
