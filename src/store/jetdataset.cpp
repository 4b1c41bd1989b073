#include "store/jetdataset.h"

#include "store/jetconnection.h"

#include <QSet>
#include <QSqlField>
#include <QSqlQuery>
#include <algorithm>

namespace
{

// Whether a read of a missing field stops the program (see jetdataset.h).
bool MissingFieldIsFatal()
{
#ifndef QT_NO_DEBUG
    return true;
#else
    return qEnvironmentVariableIntValue("VLM_STRICT_FIELDS") != 0;
#endif
}

} // namespace

TJetDataset::TJetDataset(const QString &componentName, Kind kind, TJetConnection *connection,
                         QObject *parent)
    : QAbstractTableModel(parent), m_kind(kind), m_connection(connection)
{
    setObjectName(componentName);
}

bool TJetDataset::open()
{
    close();
    if (!m_connection) {
        m_lastError = tr("The dataset %1 has no connection.").arg(objectName());
        return false;
    }
    const QString statement =
        m_kind == Table ? QStringLiteral("SELECT * FROM ") + m_tableName : sqlText();
    QSqlQuery query;
    if (!m_connection->select(statement, &query)) {
        m_lastError = m_connection->lastErrorText();
        return false;
    }
    beginResetModel();
    m_fields = query.record();
    while (query.next()) {
        QVector<QVariant> row(m_fields.count());
        for (int c = 0; c < row.size(); ++c)
            row[c] = query.value(c);
        m_rows.append(row);
    }
    m_active = true;
    endResetModel();
    first();
    return true;
}

bool TJetDataset::execSql()
{
    close();
    if (!m_connection) {
        m_lastError = tr("The dataset %1 has no connection.").arg(objectName());
        return false;
    }
    const bool ok = m_connection->exec(sqlText());
    m_lastError = ok ? QString() : m_connection->lastErrorText();
    return ok;
}

void TJetDataset::close()
{
    if (!m_active && m_rows.isEmpty() && m_fields.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    m_fields = QSqlRecord();
    m_active = false;
    m_position = -1;
    m_eof = m_bof = true;
    endResetModel();
}

QStringList TJetDataset::fieldNames() const
{
    QStringList names;
    for (int c = 0; c < m_fields.count(); ++c)
        names.append(m_fields.fieldName(c));
    return names;
}

int TJetDataset::fieldIndex(const QString &name) const
{
    for (int c = 0; c < m_fields.count(); ++c) {
        if (m_fields.fieldName(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    // A quoted alias keeps its quotes in the name ('DegE'); either spelling finds it.
    const QString quoted = QLatin1Char('\'') + name + QLatin1Char('\'');
    for (int c = 0; c < m_fields.count(); ++c) {
        const QString field = m_fields.fieldName(c);
        if (field.compare(quoted, Qt::CaseInsensitive) == 0 ||
            (name.size() > 2 && name.startsWith(QLatin1Char('\'')) &&
             name.endsWith(QLatin1Char('\'')) &&
             field.compare(name.mid(1, name.size() - 2), Qt::CaseInsensitive) == 0))
            return c;
    }
    return -1;
}

int TJetDataset::columnOf(const QString &name) const
{
    // A dataset that is not open has no current row: its fields read as null.
    const int column = fieldIndex(name);
    if (column < 0 && m_active)
        reportMissingField(name);
    return column;
}

void TJetDataset::reportMissingField(const QString &name) const
{
    const QString message = QStringLiteral("Dataset %1 has no field %2 (fields: %3)")
                                .arg(objectName(), name, fieldNames().join(QStringLiteral(", ")));
    if (MissingFieldIsFatal())
        qFatal("%s", qPrintable(message));
    // Release build: say it once per dataset and field, and read null. Datasets
    // live on the user-interface thread only.
    static QSet<QString> reported;
    const QString key = objectName() + QLatin1Char('.') + name.toLower();
    if (!reported.contains(key)) {
        reported.insert(key);
        qWarning("%s", qPrintable(message));
    }
}

void TJetDataset::first()
{
    moveTo(0);
    m_bof = true;
}

void TJetDataset::last()
{
    moveTo(m_rows.size() - 1);
    m_eof = true;
}

void TJetDataset::next()
{
    if (m_rows.isEmpty())
        return;
    if (m_position + 1 < m_rows.size()) {
        ++m_position;
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void TJetDataset::prior()
{
    if (m_rows.isEmpty())
        return;
    if (m_position > 0) {
        --m_position;
        m_eof = false;
    } else {
        m_bof = true;
    }
}

bool TJetDataset::moveTo(int row)
{
    if (row < 0 || row >= m_rows.size()) {
        if (m_rows.isEmpty()) {
            m_position = -1;
            m_eof = m_bof = true;
        }
        return false;
    }
    m_position = row;
    m_eof = m_bof = false;
    return true;
}

bool TJetDataset::locate(const QString &fieldName, const QVariant &value)
{
    const int column = columnOf(fieldName);
    if (column < 0)
        return false;
    for (int r = 0; r < m_rows.size(); ++r) {
        if (m_rows[r][column] == value)
            return moveTo(r);
    }
    return false;
}

QVariant TJetDataset::value(int row, const QString &name) const
{
    const int column = columnOf(name);
    if (row < 0 || row >= m_rows.size() || column < 0)
        return QVariant();
    return m_rows[row][column];
}

QVariant TJetDataset::fieldValue(const QString &name) const
{
    return value(m_position, name);
}

QSqlRecord TJetDataset::record() const
{
    QSqlRecord result = m_fields;
    if (m_position >= 0 && m_position < m_rows.size()) {
        for (int c = 0; c < result.count(); ++c)
            result.setValue(c, m_rows[m_position][c]);
    }
    return result;
}

int TJetDataset::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int TJetDataset::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_fields.count();
}

QVariant TJetDataset::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_fields.count())
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    return m_rows[index.row()][index.column()];
}

QVariant TJetDataset::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= m_fields.count())
        return QVariant();
    return m_fields.fieldName(section);
}

void TJetDataset::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_fields.count())
        return;
    const auto less = [](const QVariant &aValue, const QVariant &bValue) {
        if (aValue.isNull() || bValue.isNull())
            return aValue.isNull() && !bValue.isNull();
        if (aValue.typeId() == QMetaType::QString || bValue.typeId() == QMetaType::QString)
            return aValue.toString().compare(bValue.toString(), Qt::CaseInsensitive) < 0;
        return aValue.toDouble() < bValue.toDouble();
    };
    beginResetModel();
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](const QVector<QVariant> &a, const QVector<QVariant> &b) {
                         return order == Qt::AscendingOrder ? less(a[column], b[column])
                                                            : less(b[column], a[column]);
                     });
    endResetModel();
    first();
}
