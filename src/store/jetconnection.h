#pragma once

#include "store/jetsqladapter.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

// One connection of the data module (conMainDb, conExport): the Jet connection
// string that documents the contract, and the SQLite file it names. Every
// statement the program runs goes through exec()/select() here, so it passes
// the Jet-SQL adapter and is recorded in the statement log.
class TJetConnection : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TJetConnection)

public:
    // name: the component name (conMainDb, conExport); also part of the Qt
    // connection name, which is made unique per instance.
    explicit TJetConnection(const QString &name, QObject *parent = nullptr);
    ~TJetConnection() override;

    void setConnectionString(const QString &connectionString);
    QString connectionString() const { return m_connectionString; }

    // The file named by the connection string's Data Source.
    QString dataSource() const;

    // Opens the file named by Data Source. A missing file is never created:
    // open() fails instead. A file that is not a readable database fails too.
    bool open();
    void close();
    bool isConnected() const { return m_connected; }
    // The file or its folder (where SQLite keeps its journal) cannot be
    // written: the data can be read, no change can be saved. Known at open().
    bool isReadOnly() const { return m_readOnly; }
    QString lastErrorText() const { return m_lastError; }

    // Runs a statement that returns no rows (Jet text; translated here).
    // Statements of table-update files pass TJetWildcards::UpdateFile, so
    // that their LIKE patterns may use Jet's * ? # [ ] wildcards.
    bool exec(const QString &jetSql, TJetWildcards wildcards = TJetWildcards::Program);
    // Prepares and runs a SELECT (Jet text); the result is in *query.
    bool select(const QString &jetSql, QSqlQuery *query);

    // The Qt connection; valid while open.
    QSqlDatabase database() const;

    // Statement log: every Jet statement run, oldest first (the last 500 kept).
    QStringList statementLog() const { return m_log; }
    void clearStatementLog() { m_log.clear(); }

signals:
    // "Executing" before a command, "Connected" when it completes or the
    // connection opens, "Disconnected" when it closes.
    void commandStarting();
    void commandCompleted();
    void connected();
    void disconnected();
    // Every statement as written by the program and as sent to SQLite.
    void statementExecuted(const QString &jetSql, const QString &sqliteSql);

private:
    bool run(const QString &jetSql, QSqlQuery &query, TJetWildcards wildcards);
    void record(const QString &jetSql, const QString &sqliteSql);

    QString m_connectionName;
    QString m_connectionString;
    QString m_lastError;
    QStringList m_log;
    bool m_connected = false;
    bool m_readOnly = false;
};
