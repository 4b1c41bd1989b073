#pragma once

#include "update/updateinfo.h"

#include <QObject>
#include <QString>

class UpdateCheck;
class UpdateDownload;

// Tells the user once per run that a newer program version exists and offers to
// download it into the download folder, through the program's message functions
// (AskYesNo, ShowInfoMessage, ShowErrorMessage). Later reports of the same check
// are not shown again. The download is only saved; installing it is up to the user.
class UpdateNotifier : public QObject
{
    Q_OBJECT
public:
    // Listens to check (not owned). The download folder defaults to the user's
    // download location.
    explicit UpdateNotifier(UpdateCheck *check, QObject *parent = nullptr);
    ~UpdateNotifier() override;
    Q_DISABLE_COPY_MOVE(UpdateNotifier)

    void setDownloadFolder(const QString &folder) { m_downloadFolder = folder; }
    QString downloadFolder() const { return m_downloadFolder; }
    bool hasTold() const { return m_told; }
    UpdateDownload *download() const { return m_download; }

    // The messages, for the message functions and for tests.
    static QString caption();
    static QString offerText(const QString &newVersion, const QString &programVersion,
                             const QString &folder);
    static QString savedText(const QString &filePath);
    static QString failedText(const QString &reason);

signals:
    // The user answered the offer: true when a download was started.
    void offerAnswered(bool downloading);

private:
    void onUpgradeAvailable(const UpdateInfo &info, const QString &programVersion);
    void onDownloaded(const QString &filePath);
    void onDownloadFailed(const QString &reason);

    UpdateDownload *m_download;
    QString m_downloadFolder;
    bool m_told = false;
};
