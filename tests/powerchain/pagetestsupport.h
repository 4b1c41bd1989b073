#pragma once

#include "shell/messages.h"
#include "shell/wizardhost.h"
#include "store/currentselection.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>

#include <memory>

// A wizard host without a window: records what the page asked of it.
class FakeWizardHost : public IWizardHost
{
public:
    void SetActivePage(int page) override { activePage = page; }
    int ActivePage() const override { return activePage; }
    void CloseWizard() override {}
    void RefreshStatusBar() override { ++statusRefreshes; }
    void ShowHelp(int) override {}
    TdtmMain *DataModule() const override { return dm; }

    TdtmMain *dm = nullptr;
    int activePage = -1;
    int statusRefreshes = 0;
};

// A data module on a fresh copy of the shipped database with its lookup tables
// open, and SQL helpers for fixture rows.
class PageDatabase
{
public:
    bool open()
    {
        if (!m_dir.isValid())
            return false;
        const QString file = m_dir.filePath(QStringLiteral("VlmMain.mdb"));
        if (!QFile::copy(QStringLiteral(VLM_TEST_DB), file))
            return false;
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<TdtmMain>();
        dm->conMainDb->setConnectionString(MainConnectionString(m_dir.path() + QLatin1Char('/')));
        host.dm = dm.get();
        CurrentSelection().clear();
        return dm->conMainDb->open();
    }

    bool openLookups() { return dm->OpenLookupTables(); }

    qint32 sql(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        if (!q.exec(text))
            qWarning("%s: %s", qPrintable(text), qPrintable(q.lastError().text()));
        return q.lastInsertId().toInt();
    }

    QVariant value(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        if (!q.exec(text) || !q.next())
            return QVariant();
        return q.value(0);
    }

    std::unique_ptr<TdtmMain> dm;
    FakeWizardHost host;

private:
    QTemporaryDir m_dir;
};
