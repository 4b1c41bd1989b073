#pragma once

#include "update/updateinfo.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

// The program's self-update check: fetches the update information file and compares
// its version with the running program's.
//
// The main window calls start() at each paint. The check never blocks: the file is
// fetched asynchronously and the answer arrives later as one of the signals. While a
// check runs, start() does nothing; after a definite answer, start() repeats that
// answer (without asking the server again) until recheckInterval has passed; after a
// failed check it waits retryInterval before asking the server again, so that many
// paints do not turn into many requests.
//
// noUpgradeAvailable(): the program is current (the file names the same or an older
// version). upgradeAvailable(): the file names a newer version. checkFailed(): the
// file was missing, malformed or unreachable, or the program's own version is
// unknown; nothing should change then and nothing is said to the user.
class UpdateCheck : public QObject
{
    Q_OBJECT
public:
    enum class Outcome { None, NoUpgrade, UpgradeAvailable, Failed };

    explicit UpdateCheck(QObject *parent = nullptr);
    ~UpdateCheck() override;
    Q_DISABLE_COPY_MOVE(UpdateCheck)

    // Starts a check of programVersion against the file at infoUrl. Returns true
    // when an answer will follow (fetched or repeated), false when the call was
    // ignored (a check runs, or a failed one is too recent).
    bool start(const QString &programVersion, const QUrl &infoUrl);
    bool isRunning() const { return !m_reply.isNull(); }
    Outcome lastOutcome() const { return m_outcome; }

    void setRecheckInterval(qint64 milliseconds) { m_recheckInterval = milliseconds; }
    void setRetryInterval(qint64 milliseconds) { m_retryInterval = milliseconds; }
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

signals:
    void noUpgradeAvailable();
    void upgradeAvailable(const UpdateInfo &info, const QString &programVersion);
    void checkFailed(const QString &reason);

private:
    void onReadyRead();
    void onFinished();
    void conclude(Outcome outcome, const QString &reason = QString());
    void emitOutcome();

    std::unique_ptr<QNetworkAccessManager> m_network;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_content;
    bool m_tooLarge = false;
    QString m_programVersion;
    QUrl m_infoUrl;
    Outcome m_outcome = Outcome::None;
    UpdateInfo m_info;
    QString m_failure;
    QElapsedTimer m_sinceOutcome;
    qint64 m_recheckInterval = 6 * 3600 * 1000;
    qint64 m_retryInterval = 5 * 60 * 1000;
    int m_timeout = 15000;
};
