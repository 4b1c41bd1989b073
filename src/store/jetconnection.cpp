#include "store/jetconnection.h"

#include "store/jetconnectionstring.h"
#include "store/jetsqladapter.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>

namespace
{
constexpr int StatementLogSize = 500;

// SQLite's "attempt to write a readonly database" (8) and "unable to open
// database file" (14, the journal in a folder that cannot be written).
bool writeRefused(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == 8 || code == 14;
}

QString uniqueConnectionName(const QString &name)
{
    static QAtomicInt counter;
    return QStringLiteral("vlm_%1_%2").arg(name).arg(counter.fetchAndAddRelaxed(1));
}
} // namespace

TJetConnection::TJetConnection(const QString &name, QObject *parent)
    : QObject(parent), m_connectionName(uniqueConnectionName(name))
{
    setObjectName(name);
}

TJetConnection::~TJetConnection()
{
    close();
}

void TJetConnection::setConnectionString(const QString &connectionString)
{
    m_connectionString = connectionString;
}

QString TJetConnection::dataSource() const
{
    return ConnectionStringValue(m_connectionString, QStringLiteral("Data Source"));
}

QSqlDatabase TJetConnection::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool TJetConnection::open()
{
    close();
    m_lastError.clear();
    const QString file = dataSource();
    // SQLite would create a missing file; the program must never leave an
    // empty database behind, so a missing file fails here.
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        m_lastError = tr("Database file not found: %1").arg(file);
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        bool ok = db.open();
        if (ok) {
            // A file that is not a database opens lazily; reading its
            // catalogue proves it is one.
            QSqlQuery probe(db);
            ok = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
            if (!ok)
                m_lastError = probe.lastError().text();
        } else {
            m_lastError = db.lastError().text();
        }
        if (!ok) {
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connectionName);
            return false;
        }
    }
    // SQLite opens a file it may not write read-only without a word, and a
    // folder it may not write fails only at the first change (the journal).
    const QFileInfo info(file);
    m_readOnly = !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable();
    m_connected = true;
    emit connected();
    return true;
}

void TJetConnection::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    const bool wasConnected = m_connected;
    m_connected = false;
    m_readOnly = false;
    if (wasConnected)
        emit disconnected();
}

void TJetConnection::record(const QString &jetSql, const QString &sqliteSql)
{
    m_log.append(jetSql);
    if (m_log.size() > StatementLogSize)
        m_log.removeFirst();
    emit statementExecuted(jetSql, sqliteSql);
}

bool TJetConnection::run(const QString &jetSql, QSqlQuery &query, TJetWildcards wildcards)
{
    const QString sqliteSql = JetToSqlite(jetSql, wildcards);
    record(jetSql, sqliteSql);
    if (!m_connected) {
        m_lastError = tr("The connection is closed.");
        return false;
    }
    emit commandStarting();
    query.setForwardOnly(true);
    const bool ok = query.exec(sqliteSql);
    m_lastError = ok ? QString() : query.lastError().text();
    if (!ok && m_readOnly && writeRefused(query.lastError()))
        m_lastError = tr("The VLM Database cannot be written: the change was not saved.");
    emit commandCompleted();
    return ok;
}

bool TJetConnection::exec(const QString &jetSql, TJetWildcards wildcards)
{
    QSqlQuery query(database());
    return run(jetSql, query, wildcards);
}

bool TJetConnection::select(const QString &jetSql, QSqlQuery *query)
{
    *query = QSqlQuery(database());
    return run(jetSql, *query, TJetWildcards::Program);
}
