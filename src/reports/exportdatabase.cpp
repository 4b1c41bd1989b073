#include "reports/exportdatabase.h"

#include "base/currentselection.h"
#include "base/programfolder.h"
#include "reports/exportsource.h"
#include "reports/exportstaging.h"
#include "reports/exportstatements.h"
#include "reports/exporttexts.h"
#include "store/datamodule.h"
#include "store/recordstatement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTemporaryDir>

namespace
{

// Runs one statement on the export connection through qryExport.
TOpStatus Write(TdtmMain &dm, const QString &statement)
{
    return ExecStatement(dm.qryExport, {statement});
}

TOpStatus WriteAll(TdtmMain &dm, const QStringList &statements)
{
    for (const QString &statement : statements) {
        const TOpStatus status = Write(dm, statement);
        if (!status.ok())
            return status;
    }
    return {};
}

class ProgressReporter
{
public:
    explicit ProgressReporter(const TExportProgress &progress) : m_progress(progress) {}
    ~ProgressReporter()
    {
        if (m_started && m_progress.finish)
            m_progress.finish();
    }
    ProgressReporter(const ProgressReporter &) = delete;
    ProgressReporter &operator=(const ProgressReporter &) = delete;

    void start(int maximum)
    {
        m_started = true;
        if (m_progress.start)
            m_progress.start(maximum);
    }
    void advance()
    {
        if (m_progress.advance)
            m_progress.advance();
    }

private:
    const TExportProgress &m_progress;
    bool m_started = false;
};

TOpStatus WriteApplication(TdtmMain &dm, qint32 ownerId, const QString &letter,
                           ProgressReporter &progress)
{
    TOpStatus status = Write(dm, FileLanguageUpdate(letter));
    if (!status.ok())
        return status;
    const TOpResult<TExportOwnerRow> owner = ReadExportOwner(dm, ownerId, letter);
    if (!owner.ok())
        return TOpStatus{owner.error};
    progress.advance();
    const TExportApplicant applicant = DeriveApplicant(owner.value);

    if (!(status = Write(dm, File1Update(owner.value, applicant))).ok())
        return status;
    progress.advance();
    if (!(status = Write(dm, File2Update(owner.value, applicant))).ok())
        return status;
    progress.advance();
    if (!(status = Write(dm, File3Update(owner.value, applicant))).ok())
        return status;
    if (!(status = Write(dm, File4Update())).ok())
        return status;
    progress.advance();
    return {};
}

TOpStatus WriteAntennas(TdtmMain &dm, qint32 ownerId, const QString &letter,
                        ProgressReporter &progress)
{
    const TOpResult<QVector<TExportAntennaRow>> antennas = ReadExportAntennas(dm, ownerId, letter);
    if (!antennas.ok())
        return TOpStatus{antennas.error};
    TOpStatus status = WriteAll(dm, ClearAntennaTables());
    if (!status.ok())
        return status;
    for (int i = 0; i < antennas.value.size(); ++i) {
        if (!(status = WriteAll(dm, AntennaInserts(i + 1, antennas.value[i]))).ok())
            return status;
        progress.advance();
    }

    if (!(status = Write(dm, ClearVerticalDiagram())).ok())
        return status;
    int key = 1;
    for (int i = 0; i < antennas.value.size(); ++i) {
        const QStringList gains = VerticalDiagramGains(antennas.value[i].pattern);
        for (int k = 0; k < VerticalDiagramSteps; ++k) {
            status = WriteAll(dm, VerticalDiagramStepInserts(i + 1, k, key, gains[k]));
            if (!status.ok())
                return status;
            key += 2;
            progress.advance();
        }
    }
    return {};
}

} // namespace

int ExportProgressMaximum(int antennas)
{
    return 231 * antennas + 10;
}

TOpStatus BuildExportDatabase(TdtmMain &dm, const TExportProgress &progressCallbacks)
{
    const qint32 ownerId = CurrentSelection().ownerId;
    const QString letter = ExportLanguageLetter(CurrentSelection().languageId);
    ProgressReporter progress(progressCallbacks);

    const TOpResult<int> count = CountExportAntennas(dm, ownerId);
    if (!count.ok())
        return TOpStatus{count.error};
    progress.start(ExportProgressMaximum(count.value));

    // One transaction keeps the hundreds of small inserts fast. It is committed
    // whatever happens, so that a failure leaves what was written up to then.
    QSqlDatabase db = dm.conExport->database();
    const bool inTransaction = db.isOpen() && db.transaction();
    TOpStatus status = WriteApplication(dm, ownerId, letter, progress);
    if (status.ok())
        status = WriteAntennas(dm, ownerId, letter, progress);
    if (inTransaction && !db.commit() && status.ok())
        status = TOpStatus{db.lastError().text()};
    return status;
}

TExportFileResult CreateExportDatabase(TdtmMain &dm, const QString &target,
                                       const TExportProgress &progress)
{
    using Failure = TExportFileResult::Failure;
    const QString source = ProgramFile(QStringLiteral("Empty_Vlm.mdb"));
    if (!QFileInfo(source).isFile())
        return {Failure::TemplateMissing, QDir::toNativeSeparators(source)};

    const QTemporaryDir folder;
    if (!folder.isValid())
        return {Failure::Connection, folder.errorString()};
    const QString staging = folder.filePath(QStringLiteral("staging.sqlite"));
    const TOpStatus loaded = LoadAccessIntoStaging(source, staging);
    if (!loaded.ok())
        return {Failure::TemplateUnreadable, loaded.error};

    if (!dm.ConnectExportDatabase(staging))
        return {Failure::Connection, QDir::toNativeSeparators(staging)};
    const TOpStatus built = BuildExportDatabase(dm, progress);
    dm.conExport->close();
    if (!built.ok())
        return {Failure::Statement, built.error};

    const TOpStatus written = WriteStagingAsAccess(staging, target);
    if (!written.ok())
        return {Failure::Writing, written.error};
    return {};
}

QString ExportWrittenMessage(const QString &target, int antennas)
{
    return QCoreApplication::translate("ExportDatabase", "The export database was written as :") +
           QLatin1Char('\n') + QDir::toNativeSeparators(target) + QLatin1Char('\n') +
           QCoreApplication::translate("ExportDatabase", "Antennas in it: %1").arg(antennas);
}

QString ExportFailureMessage(const TExportFileResult &result)
{
    using Failure = TExportFileResult::Failure;
    const QString created =
        QCoreApplication::translate("ExportDatabase", "The export database couldn't be created !");
    switch (result.failure) {
    case Failure::None:
        return QString();
    case Failure::TemplateMissing:
        return created + QLatin1Char('\n') +
               QCoreApplication::translate(
                   "ExportDatabase", "Look and see if the file \"Empty_Vlm.mdb\" realy exists...");
    case Failure::TemplateUnreadable:
        return created + QLatin1Char('\n') +
               QCoreApplication::translate("ExportDatabase",
                                           "The file \"Empty_Vlm.mdb\" is not a usable Access "
                                           "database: %1")
                   .arg(result.detail);
    case Failure::Connection:
        return QCoreApplication::translate("ExportDatabase",
                                           "Unable to connect the Export Database !") +
               QLatin1Char('\n') + result.detail;
    case Failure::Statement:
        return result.detail;
    case Failure::Writing:
        return created + QLatin1Char('\n') + result.detail + QLatin1Char('\n') +
               QCoreApplication::translate("ExportDatabase",
                                           "An earlier export database was left as it was.");
    }
    return result.detail;
}
