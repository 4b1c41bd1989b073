#pragma once

#include <QAbstractTableModel>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class TJetConnection;

// A dataset of the data module: a query (qry...) or a table (tbl...) on one
// connection. Opening reads every row into memory, so the record count and
// positioning work as the pages expect; the dataset is also a table model that
// lists and lookup boxes show directly.
//
// A query dataset runs the lines of sql(); a table dataset reads its table or
// saved query (tableName()).
class TJetDataset : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TJetDataset)

public:
    enum Kind { Query, Table };

    TJetDataset(const QString &componentName, Kind kind, TJetConnection *connection,
                QObject *parent = nullptr);

    Kind kind() const { return m_kind; }
    TJetConnection *connection() const { return m_connection; }
    void setConnection(TJetConnection *connection) { m_connection = connection; }

    // Query datasets: the statement as a list of lines, joined by line breaks.
    QStringList &sql() { return m_sql; }
    const QStringList &sql() const { return m_sql; }
    QString sqlText() const { return m_sql.join(QLatin1Char('\n')); }

    // Table datasets: the table or saved query read by open().
    void setTableName(const QString &tableName) { m_tableName = tableName; }
    QString tableName() const { return m_tableName; }

    // Runs the SELECT and keeps its rows; the dataset stands on the first row.
    bool open();
    // Runs the statement as a command (INSERT, UPDATE, DELETE...).
    bool execSql();
    void close();
    bool isActive() const { return m_active; }
    QString lastErrorText() const { return m_lastError; }

    int recordCount() const { return m_rows.size(); }
    int fieldCount() const { return m_fields.count(); }
    QStringList fieldNames() const;
    int fieldIndex(const QString &name) const; // without regard to case; -1 if absent
    // The column of a field the caller relies on; a missing one is reported as a
    // missing field read (below) and gives -1.
    int columnOf(const QString &name) const;

    // Cursor.
    int recNo() const { return m_position; } // 0-based; -1 when empty
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool eof() const { return m_rows.isEmpty() || m_eof; }
    bool bof() const { return m_rows.isEmpty() || m_bof; }
    void first();
    void last();
    void next();
    void prior();
    bool moveTo(int row);
    // Moves to the first row whose field equals value; stays put when none does.
    bool locate(const QString &fieldName, const QVariant &value);
    // Sorts the rows in memory by one column (text without regard to case,
    // numbers by value, nulls first; equal rows keep their order) and stands
    // on the first row.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The current row's field value (null when there is no current row, also
    // when the dataset is not open). Every field read names a column of the
    // statement that filled the dataset, so a name an open dataset lacks is a
    // program error: it stops the program in debug builds and under tests
    // (VLM_STRICT_FIELDS=1, set by every CTest), and is logged once and read as
    // null in a release build.
    QVariant fieldValue(const QString &name) const;
    QVariant value(int row, const QString &name) const;
    QSqlRecord record() const;

    // Table model.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reportMissingField(const QString &name) const;

    Kind m_kind;
    TJetConnection *m_connection;
    QStringList m_sql;
    QString m_tableName;
    QString m_lastError;
    QSqlRecord m_fields;
    QVector<QVector<QVariant>> m_rows;
    int m_position = -1;
    bool m_active = false;
    bool m_eof = true;
    bool m_bof = true;
};
