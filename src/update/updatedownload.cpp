#include "update/updatedownload.h"

#include "base/safefile.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

UpdateDownload::UpdateDownload(QObject *parent)
    : QObject(parent), m_network(std::make_unique<QNetworkAccessManager>())
{
}

UpdateDownload::~UpdateDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

QString UpdateDownload::TargetPath(const QUrl &url, const QString &folder)
{
    QString name = QFileInfo(url.path()).fileName();
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Vlm-update");
    const QDir dir(folder);
    QString candidate = dir.filePath(name);
    // "Velmor-1.2.tar.gz" -> "Velmor-1.2 (1).tar.gz": the number goes before the
    // first dot that is not at the start of the name.
    const int dot = name.indexOf(QLatin1Char('.'), 1);
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString suffix = dot > 0 ? name.mid(dot) : QString();
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = dir.filePath(QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix));
    return candidate;
}

bool UpdateDownload::start(const QUrl &url, const QString &folder)
{
    if (isRunning() || folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    m_failure.clear();
    m_received = 0;
    m_file = std::make_unique<TSafeFile>(TargetPath(url, folder));
    if (!m_file->open()) {
        m_file.reset();
        return false;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeout);
    m_reply = m_network->get(request);
    connect(m_reply.data(), &QNetworkReply::readyRead, this, &UpdateDownload::onReadyRead);
    connect(m_reply.data(), &QNetworkReply::finished, this, &UpdateDownload::onFinished);
    return true;
}

void UpdateDownload::onReadyRead()
{
    if (!m_reply || !m_failure.isEmpty())
        return;
    const QByteArray data = m_reply->readAll();
    m_received += data.size();
    if (m_received > m_maximumSize)
        return fail(QStringLiteral("the file is larger than %1 bytes").arg(m_maximumSize));
    if (!m_file->write(data))
        return fail(m_file->errorText());
}

void UpdateDownload::onFinished()
{
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    onReadyRead();
    m_reply.clear();
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason = m_failure;
    if (reason.isEmpty() && reply->error() != QNetworkReply::NoError)
        reason = reply->errorString();
    if (reason.isEmpty() && status != 200)
        reason = QStringLiteral("server answered %1").arg(status);

    // A transfer that ends before the announced length is a failed download.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (reason.isEmpty() && announced.isValid() && announced.toLongLong() != m_received)
        reason = QStringLiteral("the transfer broke off after %1 of %2 bytes")
                     .arg(m_received)
                     .arg(announced.toLongLong());

    std::unique_ptr<TSafeFile> file = std::move(m_file);
    if (reason.isEmpty() && !file->commit())
        reason = file->errorText();
    if (!reason.isEmpty()) {
        file->discard();
        emit failed(reason);
        return;
    }
    emit finished(file->path());
}

void UpdateDownload::fail(const QString &reason)
{
    if (m_failure.isEmpty())
        m_failure = reason;
    if (m_reply)
        m_reply->abort();
}
