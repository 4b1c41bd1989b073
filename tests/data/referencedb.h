#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QVector>

// A private copy of one shipped database, opened through Qt SQL for a test
// and removed with its temporary folder afterwards. The Access template is
// copied into a SQLite staging database as the export does.
class ReferenceDb
{
public:
    explicit ReferenceDb(const QString &source);
    ~ReferenceDb();
    ReferenceDb(const ReferenceDb &) = delete;
    ReferenceDb &operator=(const ReferenceDb &) = delete;

    bool isOpen() const;
    // All rows of a query, each row as its column values in select order.
    QVector<QVector<QVariant>> rows(const QString &sql) const;
    // The first column of the first row (invalid when there is none).
    QVariant value(const QString &sql) const;
    // Runs a statement; returns the error text, empty on success.
    QString exec(const QString &sql, int *rowsAffected = nullptr) const;

private:
    QTemporaryDir m_dir;
    QString m_connection;
};

// Parses a number written with the program's decimal comma ("6,6"); false
// when the text is not a number.
bool ParseCommaNumber(const QString &text, double *value);
