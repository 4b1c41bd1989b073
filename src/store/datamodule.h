#pragma once

#include "store/jetconnection.h"
#include "store/jetdataset.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// The data module: one instance for the whole run. It owns the main
// connection conMainDb, the export connection conExport and every dataset the
// wizard pages show or edit. Datasets are children with their component names
// as objectName, so dataset("tblCableLoss1") and findChild work too.
class TdtmMain : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TdtmMain)

public:
    // Sets the process-wide number format and marks the first connection as
    // pending (FirstRunPending).
    explicit TdtmMain(QObject *parent = nullptr);
    ~TdtmMain() override;

    // Connections.
    TJetConnection *conMainDb;
    TJetConnection *conExport;

    // Query datasets on conMainDb (qryExport on conExport).
    TJetDataset *qryUserData;
    TJetDataset *qryTower;
    TJetDataset *qryAntList;
    TJetDataset *qryAntCustom;
    TJetDataset *qryAntListKind;
    TJetDataset *qryAntSel;
    TJetDataset *qryStation;
    TJetDataset *qryCriticalPnt;
    TJetDataset *qryCtpList;
    TJetDataset *qryTemp1;
    TJetDataset *qryTemp2;
    TJetDataset *qryTemp3;
    TJetDataset *qryRvReport;
    TJetDataset *qryExport;

    // Lookup tables (table datasets), declared in component creation order:
    // OpenLookupTables opens them in this order.
    TJetDataset *tblZipCity1;
    TJetDataset *tblTxTime1;
    TJetDataset *tblLstAntKind;
    TJetDataset *tblMode1;
    TJetDataset *tblSpaceAtt;
    TJetDataset *tblLstAnt;
    TJetDataset *tblBandFreq;
    TJetDataset *tblCableLoss1;
    TJetDataset *tblLanguage;
    TJetDataset *tblCableLoss2;
    TJetDataset *tblCableLoss3;
    TJetDataset *tblCableLoss4;
    TJetDataset *tblZipCity2;
    TJetDataset *tblTxTime2;
    TJetDataset *tblMode2;
    TJetDataset *tblErpVal;
    TJetDataset *tblListAntPol;
    TJetDataset *tblBandFreqSt;
    TJetDataset *tblBandFreqQrp;

    // The lookup tables in component creation order.
    QList<TJetDataset *> LookupTables() const { return m_lookupTables; }
    // Any dataset by component name (qryTemp1, tblCableLoss3...); nullptr if none.
    TJetDataset *dataset(const QString &componentName) const;

    // Finds the database folder (automatic: beside the program, then DbPath;
    // otherwise the file dialog), stores it as DbPath and opens conMainDb.
    // On failure shows the termination message and asks the application to
    // terminate. Returns whether conMainDb is open.
    bool ConnectDatabase(bool automatic);

    // Opens conExport on the given export file; false (connection closed) when
    // it cannot be opened. The caller reports the failure.
    bool ConnectExportDatabase(const QString &exportFile);

    // Opens the lookup tables in component order; stops at the first failure
    // with its message. Returns whether all of them are open.
    bool OpenLookupTables();

    // Connects (automatic) and opens the lookup tables when not connected yet,
    // then reads the "DBVer" row of tblApplData. Empty when there is none.
    QString GetDatabaseVersion();

    bool FirstRunPending() const { return m_firstRunPending; }
    void SetFirstRunPending(bool pending) { m_firstRunPending = pending; }

    // True once a connection failure asked the application to end.
    bool TerminationRequested() const { return m_terminationRequested; }

    // The database folder found by the last successful ConnectDatabase
    // (with its trailing separator).
    QString DatabaseFolder() const { return m_databaseFolder; }

    // Every Jet statement run on either connection since the last clear, oldest first.
    QStringList ExecutedStatements() const { return m_statements; }
    void ClearExecutedStatements() { m_statements.clear(); }

signals:
    // Text for the connection panel of the status bar: "Executing",
    // "Connected" or "Disconnected" of the main connection conMainDb.
    void connectionStatusChanged(const QString &text);
    // A connection failure asked the application to terminate.
    void terminationRequested();

private:
    TJetDataset *addQuery(const QString &name, TJetConnection *connection);
    TJetDataset *addTable(const QString &name, const QString &tableName);
    // Logs the connection's statements; reportsStatus: its state is the status bar's.
    void watchConnection(TJetConnection *connection, bool reportsStatus);
    void requestTermination();
    QString locateDatabaseFolder(bool automatic);

    QList<TJetDataset *> m_lookupTables;
    QStringList m_statements;
    QString m_databaseFolder;
    bool m_firstRunPending = true;
    bool m_terminationRequested = false;
};
