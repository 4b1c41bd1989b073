#pragma once

#include "base/currentselection.h"
#include "base/messages.h"
#include "fakewizardhost.h"
#include "freshdatabase.h"
#include "store/datamodule.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>
#include <memory>

// A data module on a fresh copy of the shipped database with its lookup tables
// open, and SQL helpers for fixture rows.
class PageDatabase
{
public:
    bool open()
    {
        if (!m_dir.isValid())
            return false;
        CurrentSelection().clear();
        QString error;
        dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir.path(), &error);
        if (!dm)
            qWarning("%s", qPrintable(error));
        host.dm = dm.get();
        return dm != nullptr;
    }

    bool openLookups() { return dm->OpenLookupTables(); }

    qint32 sql(const QString &text)
    {
        const FixtureSqlResult r = RunFixtureSql(dm->conMainDb->database(), text);
        if (!r.ok)
            qWarning("%s", qPrintable(r.error));
        return r.rowId;
    }

    QVariant value(const QString &text)
    {
        return RunFixtureSql(dm->conMainDb->database(), text).firstValue;
    }

    std::unique_ptr<TdtmMain> dm;
    FakeWizardHost host;

private:
    QTemporaryDir m_dir;
};
