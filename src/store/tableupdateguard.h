#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

// Keeps a table-update file to the reference tables while it runs on the main
// connection. SQLite's authorizer refuses, as each statement is prepared,
// every change outside the reference tables (bands, coax, modes, transmit
// times, space attenuations, the antenna catalogue, postcodes, documents,
// regulator addresses, tblApplData and the other lookup tables) and outside
// tables the file itself creates; ATTACH, PRAGMA, transactions, triggers and
// views are refused too. Temporary triggers refuse any change to the user's
// custom antennas, which share the catalogue table, and to their family.
//
// Made before the file's transaction begins (the triggers) and armed inside it
// (the authorizer), so that the program's own BEGIN and COMMIT pass; a refusal
// makes the statement fail and refusal() tells what was refused.
class TTableUpdateGuard
{
public:
    explicit TTableUpdateGuard(QSqlDatabase db);
    ~TTableUpdateGuard();

    // Puts the authorizer on the connection, and takes it off again.
    void arm();
    void disarm();
    TTableUpdateGuard(const TTableUpdateGuard &) = delete;
    TTableUpdateGuard &operator=(const TTableUpdateGuard &) = delete;

    // False when the guard could not be put in place; then nothing may run.
    bool active() const { return m_active; }
    QString setupError() const { return m_setupError; }

    // The first thing refused, in words ("a change to tblOwner"); empty when
    // nothing was.
    QString refusal() const;

    // Whether a table is one an update may change.
    static bool IsReferenceTable(const QString &table);

    struct State; // what the authorizer callback sees

private:
    QSqlDatabase m_db;
    std::unique_ptr<State> m_state;
    bool m_active = false;
    QString m_setupError;
};
