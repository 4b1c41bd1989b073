#include "store/datamodule.h"

#include "base/installlayout.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "store/jetconnectionstring.h"
#include "store/schema.h"
#include "store/schemaupgrade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{
const QString MainDatabaseName = QStringLiteral("VlmMain.mdb");
constexpr int ExecutedStatementsKept = 1000;

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}
} // namespace

TdtmMain::TdtmMain(QObject *parent)
    : QObject(parent), conMainDb(new TJetConnection(QStringLiteral("conMainDb"), this)),
      conExport(new TJetConnection(QStringLiteral("conExport"), this)),
      qryUserData(addQuery(QStringLiteral("qryUserData"), conMainDb)),
      qryTower(addQuery(QStringLiteral("qryTower"), conMainDb)),
      qryAntList(addQuery(QStringLiteral("qryAntList"), conMainDb)),
      qryAntCustom(addQuery(QStringLiteral("qryAntCustom"), conMainDb)),
      qryAntListKind(addQuery(QStringLiteral("qryAntListKind"), conMainDb)),
      qryAntSel(addQuery(QStringLiteral("qryAntSel"), conMainDb)),
      qryStation(addQuery(QStringLiteral("qryStation"), conMainDb)),
      qryCriticalPnt(addQuery(QStringLiteral("qryCriticalPnt"), conMainDb)),
      qryCtpList(addQuery(QStringLiteral("qryCtpList"), conMainDb)),
      qryTemp1(addQuery(QStringLiteral("qryTemp1"), conMainDb)),
      qryTemp2(addQuery(QStringLiteral("qryTemp2"), conMainDb)),
      qryTemp3(addQuery(QStringLiteral("qryTemp3"), conMainDb)),
      qryRvReport(addQuery(QStringLiteral("qryRvReport"), conMainDb)),
      qryExport(addQuery(QStringLiteral("qryExport"), conExport)),
      // The lookup tables, in component creation order.
      tblZipCity1(addTable(QStringLiteral("tblZipCity1"), Schema::qryZipCity1)),
      tblTxTime1(addTable(QStringLiteral("tblTxTime1"), Schema::qryTxTime1)),
      tblLstAntKind(addTable(QStringLiteral("tblLstAntKind"), Schema::tblListAntFamily)),
      tblMode1(addTable(QStringLiteral("tblMode1"), Schema::qryMode1)),
      tblSpaceAtt(addTable(QStringLiteral("tblSpaceAtt"), Schema::tblSpaceAtt)),
      tblLstAnt(addTable(QStringLiteral("tblLstAnt"), Schema::tblListAnt)),
      tblBandFreq(addTable(QStringLiteral("tblBandFreq"), Schema::tblBandFreq)),
      tblCableLoss1(addTable(QStringLiteral("tblCableLoss1"), Schema::qryCableLoss1)),
      tblLanguage(addTable(QStringLiteral("tblLanguage"), Schema::tblLanguage)),
      tblCableLoss2(addTable(QStringLiteral("tblCableLoss2"), Schema::qryCableLoss2)),
      tblCableLoss3(addTable(QStringLiteral("tblCableLoss3"), Schema::qryCableLoss3)),
      tblCableLoss4(addTable(QStringLiteral("tblCableLoss4"), Schema::qryCableLoss4)),
      tblZipCity2(addTable(QStringLiteral("tblZipCity2"), Schema::qryZipCity2)),
      tblTxTime2(addTable(QStringLiteral("tblTxTime2"), Schema::qryTxTime2)),
      tblMode2(addTable(QStringLiteral("tblMode2"), Schema::qryMode2)),
      tblErpVal(addTable(QStringLiteral("tblErpVal"), Schema::tblErpVal)),
      tblListAntPol(addTable(QStringLiteral("tblListAntPol"), Schema::tblListAntPol)),
      tblBandFreqSt(addTable(QStringLiteral("tblBandFreqSt"), Schema::tblBandFreqSt)),
      tblBandFreqQrp(addTable(QStringLiteral("tblBandFreqQrp"), Schema::tblBandFreqQrp))
{
    setObjectName(QStringLiteral("dtmMain"));
    // Component creation order, which OpenLookupTables follows.
    m_lookupTables = {tblZipCity1,   tblTxTime1,    tblLstAntKind, tblMode1,      tblSpaceAtt,
                      tblLstAnt,     tblBandFreq,   tblCableLoss1, tblLanguage,   tblCableLoss2,
                      tblCableLoss3, tblCableLoss4, tblZipCity2,   tblTxTime2,    tblMode2,
                      tblErpVal,     tblListAntPol, tblBandFreqSt, tblBandFreqQrp};
    ApplyNumberFormat();
    // A database of an older version gains the columns added since, before any
    // statement reads them; a failure shows when a statement needs the column.
    connect(conMainDb, &TJetConnection::connected, this, [this] { UpgradeMainSchema(*conMainDb); });
    // The status bar's connection panel is about "VlmMain.mdb": the export
    // connection's opening and closing would otherwise show "Disconnected"
    // while the main database stays open.
    watchConnection(conMainDb, true);
    watchConnection(conExport, false);
    m_firstRunPending = true;
}

TdtmMain::~TdtmMain()
{
    conExport->close();
    conMainDb->close();
}

TJetDataset *TdtmMain::addQuery(const QString &name, TJetConnection *connection)
{
    return new TJetDataset(name, TJetDataset::Query, connection, this);
}

TJetDataset *TdtmMain::addTable(const QString &name, const QString &tableName)
{
    auto *table = new TJetDataset(name, TJetDataset::Table, conMainDb, this);
    table->setTableName(tableName);
    return table;
}

TJetDataset *TdtmMain::dataset(const QString &componentName) const
{
    return findChild<TJetDataset *>(componentName, Qt::FindDirectChildrenOnly);
}

void TdtmMain::watchConnection(TJetConnection *connection, bool reportsStatus)
{
    if (reportsStatus) {
        connect(connection, &TJetConnection::commandStarting, this,
                [this]() { emit connectionStatusChanged(tr("Executing")); });
        connect(connection, &TJetConnection::commandCompleted, this,
                [this]() { emit connectionStatusChanged(tr("Connected")); });
        connect(connection, &TJetConnection::connected, this,
                [this]() { emit connectionStatusChanged(tr("Connected")); });
        connect(connection, &TJetConnection::disconnected, this,
                [this]() { emit connectionStatusChanged(tr("Disconnected")); });
    }
    connect(connection, &TJetConnection::statementExecuted, this,
            [this](const QString &jetSql, const QString &) {
                m_statements.append(jetSql);
                if (m_statements.size() > ExecutedStatementsKept)
                    m_statements.removeFirst();
            });
}

void TdtmMain::requestTermination()
{
    ShowErrorMessage(tr("VLM Database"), tr("Unable to connect the VLM Database !") +
                                             QLatin1Char('\n') +
                                             tr("This application will terminate..."));
    m_terminationRequested = true;
    emit terminationRequested();
    // The application ends when control returns to the event loop.
    if (QCoreApplication *app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

QString TdtmMain::locateDatabaseFolder(bool automatic)
{
    if (automatic) {
        const QString programFolder = withTrailingSeparator(ProgramFolder());
        // An installed, read-only copy keeps its database in the user's folder (DbPath).
        if (IsProgramFolderWritable() && QFileInfo(programFolder + MainDatabaseName).isFile())
            return programFolder;
        // An empty DbPath would name a file relative to the working folder;
        // it counts as no stored folder at all.
        const QString stored = TPreferences::dbPath();
        if (!stored.isEmpty()) {
            const QString folder = withTrailingSeparator(stored);
            if (QFileInfo(folder + MainDatabaseName).isFile())
                return folder;
        }
        return QString();
    }
    const QString chosen = AskOpenFileName(tr("Locate the VLM Database"),
                                           QDir(ProgramFolder()).filePath(MainDatabaseName),
                                           tr("Access Database") + QStringLiteral(" (*.mdb)"));
    if (chosen.isEmpty())
        return QString(); // cancelled: no further message
    const QFileInfo file(chosen);
    if (file.isFile() && file.fileName() == MainDatabaseName)
        return withTrailingSeparator(file.absolutePath());
    ShowErrorMessage(tr("Database Connection"), tr("There is no connection to the VLM Database !") +
                                                    QLatin1Char('\n') + tr("Try again..."));
    return QString();
}

bool TdtmMain::ConnectDatabase(bool automatic)
{
    const QString folder = locateDatabaseFolder(automatic);
    if (folder.isEmpty()) {
        requestTermination();
        return false;
    }
    TPreferences::setDbPath(folder);
    m_databaseFolder = folder;
    conMainDb->setConnectionString(MainConnectionString(folder));
    if (!conMainDb->open()) {
        conMainDb->close();
        requestTermination();
        return false;
    }
    // Said once, here, instead of SQLite's own words at every Save.
    if (conMainDb->isReadOnly())
        ShowErrorMessage(tr("VLM Database"),
                         tr("The VLM Database cannot be written:") + QLatin1Char('\n') +
                             QDir::toNativeSeparators(conMainDb->dataSource()) + QLatin1Char('\n') +
                             tr("You can look at your data, but no change can be saved. "
                                "Give yourself the right to write the file and its folder, "
                                "then start the program again."));
    return true;
}

bool TdtmMain::ConnectExportDatabase(const QString &exportFile)
{
    conExport->setConnectionString(ExportConnectionString(exportFile));
    if (conExport->open())
        return true;
    conExport->close();
    return false;
}

bool TdtmMain::OpenLookupTables()
{
    if (!conMainDb->isConnected()) {
        ShowErrorMessage(tr("Starting VLM"),
                         tr("Error when loading the lookup tables ! You will have to connect "
                            "to the database manually..."));
        return false;
    }
    for (TJetDataset *table : std::as_const(m_lookupTables)) {
        if (!table->open()) {
            ShowErrorMessage(tr("Starting VLM"), tr("Error when opening VLM Database (table: ") +
                                                     table->objectName() + QLatin1Char(')'));
            return false;
        }
    }
    return true;
}

QString TdtmMain::GetDatabaseVersion()
{
    if (!conMainDb->isConnected()) {
        m_firstRunPending = false;
        // After a failed search the application is ending: neither a second
        // search nor the lookup tables would add more than a second message.
        if (TerminationRequested() || !ConnectDatabase(true))
            return QString();
        OpenLookupTables();
    }
    qryTemp2->close();
    qryTemp2->sql().clear();
    qryTemp2->sql() << QStringLiteral("SELECT ApplDataValue ")
                    << QStringLiteral("FROM tblApplData ")
                    << QStringLiteral("WHERE ApplDataName LIKE 'DBVer' ");
    if (!qryTemp2->open() || qryTemp2->isEmpty())
        return QString();
    return qryTemp2->fieldValue(Schema::ApplDataValue).toString();
}
