#include "update/updatecheck.h"

#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

UpdateCheck::UpdateCheck(QObject *parent)
    : QObject(parent), m_network(std::make_unique<QNetworkAccessManager>())
{
}

UpdateCheck::~UpdateCheck()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        delete m_reply;
    }
}

bool UpdateCheck::start(const QString &programVersion, const QUrl &infoUrl)
{
    if (isRunning())
        return false;
    const bool sameQuestion = programVersion == m_programVersion && infoUrl == m_infoUrl;
    if (sameQuestion && m_sinceOutcome.isValid()) {
        const qint64 age = m_sinceOutcome.elapsed();
        if (m_outcome == Outcome::Failed && age < m_retryInterval)
            return false;
        if ((m_outcome == Outcome::NoUpgrade || m_outcome == Outcome::UpgradeAvailable) &&
            age < m_recheckInterval) {
            // Repeat the answer from the event loop, never from inside the caller's paint.
            QMetaObject::invokeMethod(this, &UpdateCheck::emitOutcome, Qt::QueuedConnection);
            return true;
        }
    }

    m_programVersion = programVersion;
    m_infoUrl = infoUrl;
    if (!VersionNumber::parse(programVersion)) {
        m_sinceOutcome.start();
        m_outcome = Outcome::Failed;
        m_failure = QStringLiteral("the program's version is unknown");
        QMetaObject::invokeMethod(this, &UpdateCheck::emitOutcome, Qt::QueuedConnection);
        return true;
    }

    m_content.clear();
    m_tooLarge = false;
    QNetworkRequest request(infoUrl);
    request.setTransferTimeout(m_timeout);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    m_reply = m_network->get(request);
    connect(m_reply.data(), &QNetworkReply::readyRead, this, &UpdateCheck::onReadyRead);
    connect(m_reply.data(), &QNetworkReply::finished, this, &UpdateCheck::onFinished);
    return true;
}

void UpdateCheck::onReadyRead()
{
    if (!m_reply || m_tooLarge)
        return;
    m_content += m_reply->readAll();
    if (m_content.size() > MaxUpdateInfoSize) {
        m_tooLarge = true;
        m_reply->abort();
    }
}

void UpdateCheck::onFinished()
{
    QNetworkReply *reply = m_reply.data();
    if (!reply)
        return;
    m_reply.clear();
    reply->deleteLater();
    if (!m_tooLarge)
        m_content += reply->readAll();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_tooLarge)
        return conclude(Outcome::Failed, QStringLiteral("information file too large"));
    if (reply->error() != QNetworkReply::NoError)
        return conclude(Outcome::Failed, reply->errorString());
    if (status != 200)
        return conclude(Outcome::Failed, QStringLiteral("server answered %1").arg(status));

    const UpdateInfoParse parsed = ParseUpdateInfo(m_content, m_infoUrl);
    m_content.clear();
    if (!parsed.ok)
        return conclude(Outcome::Failed,
                        QStringLiteral("malformed information file: ") + parsed.error);
    m_info = parsed.info;
    const auto running = VersionNumber::parse(m_programVersion);
    conclude(parsed.info.version > *running ? Outcome::UpgradeAvailable : Outcome::NoUpgrade);
}

void UpdateCheck::conclude(Outcome outcome, const QString &reason)
{
    m_outcome = outcome;
    m_failure = reason;
    m_sinceOutcome.start();
    emitOutcome();
}

void UpdateCheck::emitOutcome()
{
    switch (m_outcome) {
    case Outcome::NoUpgrade:
        emit noUpgradeAvailable();
        break;
    case Outcome::UpgradeAvailable:
        emit upgradeAvailable(m_info, m_programVersion);
        break;
    case Outcome::Failed:
        emit checkFailed(m_failure);
        break;
    case Outcome::None:
        break;
    }
}
