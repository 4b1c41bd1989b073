#include "store/tableupdateguard.h"

#include "store/recordops_antenna.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <sqlite3.h>

struct TTableUpdateGuard::State {
    QSet<QString> createdTables; // upper case
    QString refusal;
};

namespace
{

sqlite3 *Handle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

QString Text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

// The temporary triggers that keep the custom antennas and their family as
// the user left them; RAISE makes the statement fail.
QStringList GuardTriggers()
{
    const QString family = QString::number(CustomAntennaFamily);
    const QString refuse =
        QStringLiteral(" BEGIN SELECT RAISE(ABORT, 'a table update may not change the custom "
                       "antennas'); END");
    return {
        QStringLiteral("CREATE TEMP TRIGGER vlm_update_guard_ant_insert BEFORE INSERT ON "
                       "main.tblListAnt WHEN NEW.IdAntFamily = %1")
                .arg(family) +
            refuse,
        QStringLiteral("CREATE TEMP TRIGGER vlm_update_guard_ant_update BEFORE UPDATE ON "
                       "main.tblListAnt WHEN OLD.IdAntFamily = %1 OR NEW.IdAntFamily = %1")
                .arg(family) +
            refuse,
        QStringLiteral("CREATE TEMP TRIGGER vlm_update_guard_ant_delete BEFORE DELETE ON "
                       "main.tblListAnt WHEN OLD.IdAntFamily = %1")
                .arg(family) +
            refuse,
        QStringLiteral("CREATE TEMP TRIGGER vlm_update_guard_family_update BEFORE UPDATE ON "
                       "main.tblListAntFamily WHEN OLD.IdAntFamily = %1 OR NEW.IdAntFamily = %1")
                .arg(family) +
            refuse,
        QStringLiteral("CREATE TEMP TRIGGER vlm_update_guard_family_delete BEFORE DELETE ON "
                       "main.tblListAntFamily WHEN OLD.IdAntFamily = %1")
                .arg(family) +
            refuse,
    };
}

const char *const GuardTriggerNames[] = {
    "vlm_update_guard_ant_insert",    "vlm_update_guard_ant_update",
    "vlm_update_guard_ant_delete",    "vlm_update_guard_family_update",
    "vlm_update_guard_family_delete",
};

int Deny(TTableUpdateGuard::State &state, const QString &what)
{
    if (state.refusal.isEmpty())
        state.refusal = what;
    return SQLITE_DENY;
}

bool MayChange(const TTableUpdateGuard::State &state, const QString &table)
{
    return TTableUpdateGuard::IsReferenceTable(table) ||
           state.createdTables.contains(table.toUpper());
}

// SQLite asks for its catalogue too when a table is made or dropped; it never
// lets a statement write the catalogue itself (that needs a PRAGMA, refused).
bool IsCatalogue(const QString &table)
{
    return table.compare(QLatin1String("sqlite_master"), Qt::CaseInsensitive) == 0 ||
           table.compare(QLatin1String("sqlite_schema"), Qt::CaseInsensitive) == 0;
}

int Authorize(void *data, int action, const char *a, const char *b, const char *database,
              const char *trigger)
{
    auto &state = *static_cast<TTableUpdateGuard::State *>(data);
    const QString first = Text(a);
    const QString second = Text(b);
    // The guard's own triggers run inside the statements they watch.
    if (trigger && QString::fromUtf8(trigger).startsWith(QLatin1String("vlm_update_guard_")))
        return SQLITE_OK;
    if (database && qstrcmp(database, "main") != 0 && action != SQLITE_READ &&
        action != SQLITE_SELECT && action != SQLITE_FUNCTION)
        return Deny(state, QCoreApplication::translate("TableUpdateGuard",
                                                       "a change outside the main database"));
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_RECURSIVE:
    case SQLITE_ANALYZE:
    case SQLITE_REINDEX:
        return SQLITE_OK;
    case SQLITE_FUNCTION:
        if (second.compare(QLatin1String("load_extension"), Qt::CaseInsensitive) == 0)
            return Deny(state,
                        QCoreApplication::translate("TableUpdateGuard", "loading an extension"));
        return SQLITE_OK;
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
        return MayChange(state, first) || IsCatalogue(first)
                   ? SQLITE_OK
                   : Deny(state, QCoreApplication::translate("TableUpdateGuard", "a change to %1")
                                     .arg(first));
    case SQLITE_CREATE_TABLE:
        state.createdTables.insert(first.toUpper());
        return SQLITE_OK;
    case SQLITE_DROP_TABLE:
        return MayChange(state, first)
                   ? SQLITE_OK
                   : Deny(
                         state,
                         QCoreApplication::translate("TableUpdateGuard", "dropping %1").arg(first));
    case SQLITE_ALTER_TABLE:
        return MayChange(state, second)
                   ? SQLITE_OK
                   : Deny(state, QCoreApplication::translate("TableUpdateGuard", "altering %1")
                                     .arg(second));
    case SQLITE_CREATE_INDEX:
    case SQLITE_DROP_INDEX:
        return MayChange(state, second)
                   ? SQLITE_OK
                   : Deny(state, QCoreApplication::translate("TableUpdateGuard", "an index on %1")
                                     .arg(second));
    case SQLITE_ATTACH:
        return Deny(
            state,
            QCoreApplication::translate("TableUpdateGuard", "attaching the file %1").arg(first));
    case SQLITE_PRAGMA:
        return Deny(
            state,
            QCoreApplication::translate("TableUpdateGuard", "the setting PRAGMA %1").arg(first));
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
        return Deny(state,
                    QCoreApplication::translate("TableUpdateGuard", "a transaction of its own"));
    default:
        return Deny(state, QCoreApplication::translate("TableUpdateGuard",
                                                       "a change to the database's structure"));
    }
}

} // namespace

bool TTableUpdateGuard::IsReferenceTable(const QString &table)
{
    static const QSet<QString> tables = {
        QStringLiteral("TBLBANDFREQ"),      QStringLiteral("TBLBANDFREQST"),
        QStringLiteral("TBLBANDFREQQRP"),   QStringLiteral("TBLCABLELOSS"),
        QStringLiteral("TBLMODE"),          QStringLiteral("TBLTXTIME"),
        QStringLiteral("TBLSPACEATT"),      QStringLiteral("TBLLISTANT"),
        QStringLiteral("TBLLISTANTFAMILY"), QStringLiteral("TBLLISTANTPOL"),
        QStringLiteral("TBLZIPCITY"),       QStringLiteral("TBLDOCS"),
        QStringLiteral("TBLBIPT"),          QStringLiteral("TBLAPPLDATA"),
        QStringLiteral("TBLLANGUAGE"),      QStringLiteral("TBLERPVAL"),
    };
    return tables.contains(table.toUpper());
}

TTableUpdateGuard::TTableUpdateGuard(QSqlDatabase db) : m_db(db), m_state(std::make_unique<State>())
{
    sqlite3 *handle = Handle(m_db);
    if (!handle) {
        m_setupError = QCoreApplication::translate(
            "TableUpdateGuard", "The database connection does not allow a guarded update.");
        return;
    }
    QSqlQuery query(m_db);
    for (const QString &trigger : GuardTriggers()) {
        if (!query.exec(trigger)) {
            m_setupError = query.lastError().text();
            return;
        }
    }
    m_active = true;
}

void TTableUpdateGuard::arm()
{
    if (sqlite3 *handle = m_active ? Handle(m_db) : nullptr)
        sqlite3_set_authorizer(handle, Authorize, m_state.get());
}

void TTableUpdateGuard::disarm()
{
    if (sqlite3 *handle = Handle(m_db))
        sqlite3_set_authorizer(handle, nullptr, nullptr);
}

TTableUpdateGuard::~TTableUpdateGuard()
{
    disarm();
    QSqlQuery query(m_db);
    for (const char *name : GuardTriggerNames)
        query.exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.%1").arg(QLatin1String(name)));
}

QString TTableUpdateGuard::refusal() const
{
    return m_state ? m_state->refusal : QString();
}
