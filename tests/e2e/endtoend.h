#pragma once

#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Fails the step when the program showed a message since the last ClearShownMessages().
#define VERIFY_NO_MESSAGE()                                                                        \
    QVERIFY2(ShownMessages().isEmpty(), qPrintable(TWizardDriver::messages().join(u'\n')))

class TdtmMain;
class TfrmMain;
class TWizardDriver;

// A new user plays the program through its main window, page by page, with the Next
// and Back buttons and the controls of each page, on a program folder of its own
// (a copy of the empty shipped database, the export template, the low-power picture
// and the conversion library). The steps of a run depend on each other: once one
// fails, the later steps of that run are skipped.
//
// Run 1, a normal station: owner, one site typed in Lambert 72, a catalogue Yagi and
// a home-made dish, both power chains, three critical test points, the evaluation,
// the antenna reports and the submission package; then the files on disk, and
// vlmcli's package of the same station compared with the pages' one.
// Run 2, a second start of the program: a new owner whose station qualifies for the
// low-power case, its report files, and the submission page's Back for that owner.
class TestEndToEnd : public QObject
{
    Q_OBJECT

public:
    TestEndToEnd();
    ~TestEndToEnd() override;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void run1_startsOnTheEmptyShippedDatabase();
    void run1_ownerIsEnteredAndSaved();
    void run1_siteIsTypedInLambert72AndConverted();
    void run1_catalogueYagiAndCustomDishArePlaced();
    void run1_powerChainsAreSaved();
    void run1_criticalTestPointsAreEvaluated();
    void run1_reportPdfIsMadeForEachPlacement();
    void run1_submissionPageMakesExportLetterAndZip();
    void run1_ownerFolderHoldsThePackage();
    void run1_documentsCarryTheirInformation_data();
    void run1_documentsCarryTheirInformation();
    void run1_exportDatabaseHoldsTheStation();
    void run1_zipHoldsTheOwnerFolder();
    void run1_vlmcliPackageMatchesThePages();

    void run2_lowPowerOwnerGetsItsReport();
    void run2_submissionBackReturnsToTheLowPowerPage();

private:
    void startProgram();
    void closeProgram();
    void enterOwner(const QString &call, const QString &firstName, const QString &name,
                    const QString &address, const QString &zip);
    void addPoint(const QString &distance, const QString &height, const QString &attenuation,
                  const QString &description);
    QString ownerFolder(const QString &call) const;
    QString mainDatabase() const;

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program; // the program's folder of this test
    std::unique_ptr<TdtmMain> m_dm;
    std::unique_ptr<TfrmMain> m_window;
    std::unique_ptr<TWizardDriver> m_user;
    QSet<QString> m_brokenRuns;
    QMap<QString, QString> m_reportText; // placement reference -> the report page's text
};
