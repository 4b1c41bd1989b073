#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class TSafeFile;

// Downloads a new program version into a folder (the user's download folder) and
// nothing more: the file is not run and the running program is never replaced.
//
// The data streams into a temporary file that only appears under its name when the
// download is complete. The name is the last part of the address; when a file of
// that name exists, " (1)", " (2)", ... is added before the extension instead of
// overwriting it.
class UpdateDownload : public QObject
{
    Q_OBJECT
public:
    explicit UpdateDownload(QObject *parent = nullptr);
    ~UpdateDownload() override;
    Q_DISABLE_COPY_MOVE(UpdateDownload)

    // Returns false when a download runs already or the folder cannot be made.
    bool start(const QUrl &url, const QString &folder);
    bool isRunning() const { return !m_reply.isNull(); }

    void setMaximumSize(qint64 bytes) { m_maximumSize = bytes; }
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

    // A file name in folder for the address that does not exist yet.
    static QString TargetPath(const QUrl &url, const QString &folder);

signals:
    void finished(const QString &filePath);
    void failed(const QString &reason);

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString &reason);

    std::unique_ptr<QNetworkAccessManager> m_network;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<TSafeFile> m_file;
    QString m_failure;
    qint64 m_received = 0;
    qint64 m_maximumSize = qint64(2) * 1024 * 1024 * 1024;
    int m_timeout = 60000;
};
