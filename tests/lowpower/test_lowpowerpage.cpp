// The low-power page on the fixture owner: typing the measures, the result and its
// highlighted column, Save and Cancel, the power check, and the files it writes.
#include "base/clock.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "exposure/lowpower/ui/lowpowerpage.h"
#include "fakewizardhost.h"
#include "freshdatabase.h"
#include "reportfixturedata.h"
#include "reports/ui/printoperations.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestLowPowerPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyMeasuresHideTheResult();
    void workedExample_data();
    void workedExample();
    void keysFollowTheFieldRules();
    void saveStoresAndCancelReverts();
    void zeroPowerWarnsAndShowsNoErp();
    void filesWritesPictureReportAndMessage_data();
    void filesWritesPictureReportAndMessage();
    void backClearsTheFlagAndCloseEnds();

private:
    template <typename T> T *child(const char *name) const
    {
        return m_page->findChild<T *>(QString::fromLatin1(name));
    }
    void type(const char *field, const QString &text);
    void enterWorkedExample(const QString &a, const QString &b);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TdtmMain> m_dm;
    std::unique_ptr<FakeWizardHost> m_host;
    std::unique_ptr<TfraQrpInput> m_page;
    qint32 m_owner = 0;
};

void TestLowPowerPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QFile::copy(QStringLiteral(VLM_SOURCE_DIR "/data/LowPower.res"),
                        m_dir->filePath(QStringLiteral("LowPower.res"))));
    QString error;
    m_dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir->path(), &error);
    QVERIFY2(m_dm, qPrintable(error));
    SetProgramFolder(m_dir->path());
    SetClockOverride(QDateTime(QDate(2026, 3, 14), QTime(10, 30)));
    m_owner = FillReportFixture(m_dm->conMainDb->database(), m_dir->path()).ownerId;
    TCurrentSelection &cs = CurrentSelection();
    cs.clear();
    cs.ownerId = m_owner;
    cs.languageId = 1;
    cs.setCall(QStringLiteral("ON4XYZ"));
    cs.setUserDirectory(m_dir->path());
    ClearShownMessages();
    SetPreviewSuppressed(true);
    m_host = std::make_unique<FakeWizardHost>(m_dm.get(), PageQrpInput);
    m_page = std::make_unique<TfraQrpInput>(*m_host);
    m_page->resize(900, 640);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->ActivatePage();
}

void TestLowPowerPage::cleanup()
{
    m_page.reset();
    m_host.reset();
    m_dm.reset();
    m_dir.reset();
    CurrentSelection().clear();
    SetProgramFolder(QString());
    SetClockOverride(QDateTime());
    SetPreviewSuppressed(false);
}

void TestLowPowerPage::type(const char *field, const QString &text)
{
    auto *edit = child<QLineEdit>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void TestLowPowerPage::enterWorkedExample(const QString &a, const QString &b)
{
    child<QComboBox>("dblQrpModeCorr")->setCurrentIndex(0); // no correction
    child<QComboBox>("dblQrpTimeCorr")->setCurrentIndex(0); // continuous
    auto *band = child<QComboBox>("dblQrpFreq");
    band->setCurrentIndex(band->findText(QStringLiteral("2 m"), Qt::MatchStartsWith));
    QVERIFY(band->currentIndex() >= 0);
    type("dbmQrpPower", QStringLiteral("5"));
    // The gain field takes 3 characters: 2,2 dBi rather than the 2,15 of a dipole.
    type("dbmQrpGain", QStringLiteral("2.2"));
    type("dbmQrpLosses", QStringLiteral("0,5"));
    type("dbmQrpMinDist", a);
    type("dbmQrpMinHeigth", b);
}

void TestLowPowerPage::emptyMeasuresHideTheResult()
{
    QVERIFY(!child<QGroupBox>("gbxQrpResult")->isVisible());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QCOMPARE(m_page->nextButton()->text(), QStringLiteral("&Close"));
    QVERIFY(!child<QPushButton>("bbnQrpSave")->isEnabled());
    QVERIFY(!child<QLabel>("imgLowPower")->pixmap().isNull());
}

void TestLowPowerPage::workedExample_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("met");
    QTest::newRow("horizontal clearance enough") << "6"
                                                 << "0" << true;
    QTest::newRow("neither clearance enough") << "3"
                                              << "3" << false;
    QTest::newRow("vertical clearance enough") << "3"
                                               << "4" << true;
}

void TestLowPowerPage::workedExample()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, met);
    enterWorkedExample(a, b);
    QVERIFY(child<QGroupBox>("gbxQrpResult")->isVisible());
    QCOMPARE(child<QLabel>("lblResult")->text(), QStringLiteral("4,51 W"));
    QCOMPARE(child<QLabel>("lblResultM")->text(),
             met ? QStringLiteral("The requirements are met ...")
                 : QStringLiteral("The requirements are not met !"));
    QCOMPARE(m_page->nextButton()->isEnabled(), met);
    QCOMPARE(child<QPushButton>("bbnQrpFiles")->isEnabled(), met);
    QCOMPARE(child<QPushButton>("bbnQrpPrint")->isEnabled(), met);
    auto *table = child<QTableWidget>("lsvErpTbl");
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("5"));
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("5,1"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("3,9"));
    QCOMPARE(table->item(0, 4)->background().color(), QColor(189, 238, 166));
    QCOMPARE(table->item(1, 4)->background().color(), QColor(189, 238, 166));
    QCOMPARE(table->item(0, 5)->background().color(), QColor(247, 235, 198));
    QVERIFY(child<QPushButton>("bbnQrpSave")->isEnabled());
}

void TestLowPowerPage::keysFollowTheFieldRules()
{
    const struct {
        const char *field;
        const char *typed;
        const char *shown;
    } rows[] = {{"dbmQrpGain", "2.15", "2,1"},     // "." becomes ",", at most 3 characters
                {"dbmQrpMinDist", "123", "12"},    // at most 2
                {"dbmQrpPower", "1,5x20", "1520"}, // digits only, at most 4
                {"dbmQrpLosses", "a1", "1"}};
    for (const auto &r : rows) {
        type(r.field, QString::fromLatin1(r.typed));
        QCOMPARE(child<QLineEdit>(r.field)->text(), QString::fromLatin1(r.shown));
    }
    // Enter moves on and is not inserted.
    auto *gain = child<QLineEdit>("dbmQrpGain");
    gain->setFocus();
    QTest::keyClick(gain, Qt::Key_Return);
    QTRY_VERIFY(!gain->hasFocus());
    QCOMPARE(gain->text(), QStringLiteral("2,1"));
}

void TestLowPowerPage::saveStoresAndCancelReverts()
{
    enterWorkedExample(QStringLiteral("6"), QStringLiteral("0"));
    child<QPushButton>("bbnQrpSave")->click();
    QVERIFY(!child<QPushButton>("bbnQrpSave")->isEnabled());
    QSqlQuery q(m_dm->conMainDb->database());
    QVERIFY(q.exec(QStringLiteral("SELECT OwnerQrpPower, OwnerQrpGain, OwnerQrpDistA FROM tblOwner "
                                  "WHERE IdOwner = %1")
                       .arg(m_owner)));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("5"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("2,2"));
    QCOMPARE(q.value(2).toString(), QStringLiteral("6"));

    type("dbmQrpMinDist", QStringLiteral("3"));
    QVERIFY(child<QPushButton>("bbnQrpCancel")->isEnabled());
    child<QPushButton>("bbnQrpCancel")->click();
    QCOMPARE(child<QLineEdit>("dbmQrpMinDist")->text(), QStringLiteral("6"));
    QVERIFY(!child<QPushButton>("bbnQrpCancel")->isEnabled());
    QVERIFY(m_page->nextButton()->isEnabled());
}

void TestLowPowerPage::zeroPowerWarnsAndShowsNoErp()
{
    enterWorkedExample(QStringLiteral("9"), QStringLiteral("9"));
    type("dbmQrpPower", QStringLiteral("0"));
    child<QLineEdit>("dbmQrpGain")->setFocus();
    QTRY_COMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages()[0].caption, QStringLiteral("Special Low Power Case"));
    QCOMPARE(ShownMessages()[0].text, QStringLiteral("This value should be greater than 0 Watt !"));
    QTRY_VERIFY(child<QLineEdit>("dbmQrpPower")->hasFocus());
    QCOMPARE(child<QLabel>("lblResult")->text(), QStringLiteral("0,00 W"));
    QCOMPARE(child<QLabel>("lblResultM")->text(), QStringLiteral("The requirements are not met !"));
    QVERIFY(!m_page->nextButton()->isEnabled());
}

void TestLowPowerPage::filesWritesPictureReportAndMessage_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("plain call") << QStringLiteral("ON4XYZ") << QStringLiteral("ON4XYZ");
    QTest::newRow("portable call stays in the folder")
        << QStringLiteral("ON4XYZ/P") << QStringLiteral("ON4XYZ_P");
}

void TestLowPowerPage::filesWritesPictureReportAndMessage()
{
    QFETCH(QString, call);
    QFETCH(QString, prefix);
    CurrentSelection().setCall(call);
    enterWorkedExample(QStringLiteral("6"), QStringLiteral("0"));
    ClearShownMessages();
    child<QPushButton>("bbnQrpFiles")->click();
    QVERIFY(QFileInfo::exists(m_dir->filePath(prefix + QStringLiteral("_Vlm_QrpResult.bmp"))));
    const QString report = m_dir->filePath(prefix + QStringLiteral("_VLM_QrpReport.pdf"));
    QVERIFY(QFileInfo::exists(report));
    // VLM_KEEP_DOCUMENTS names a folder that keeps a copy of the report to be looked at.
    const QString keep = qEnvironmentVariable("VLM_KEEP_DOCUMENTS");
    if (!keep.isEmpty()) {
        QFile::remove(QDir(keep).filePath(QStringLiteral("ON4XYZ_VLM_QrpReport.pdf")));
        QFile::copy(report, QDir(keep).filePath(QStringLiteral("ON4XYZ_VLM_QrpReport.pdf")));
    }
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("Tmp.bmp"))));
    QVERIFY(CurrentSelection().lowPowerReport);
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages()[0].caption, QStringLiteral("QRP Report"));
    QCOMPARE(ShownMessages()[0].text,
             QStringLiteral("All files were saved... (") +
                 QDir::toNativeSeparators(QDir(m_dir->path()).absolutePath()) +
                 QStringLiteral(")"));

    child<QPushButton>("bbnQrpPrint")->click();
    QCOMPARE(SuppressedPreviewCount(), 1);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("Tmp.bmp"))));
}

void TestLowPowerPage::backClearsTheFlagAndCloseEnds()
{
    CurrentSelection().lowPowerReport = true;
    m_page->backButton()->click();
    QVERIFY(!CurrentSelection().lowPowerReport);
    QCOMPARE(m_host->activePage, int(PageUserData));
    enterWorkedExample(QStringLiteral("6"), QStringLiteral("0"));
    // The typed values are pending: leaving asks first, and Yes saves them.
    ClearShownMessages();
    SetNextAnswer(AnswerYes);
    m_page->nextButton()->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().text, QStringLiteral("Save the changes ?"));
    QVERIFY(!child<QPushButton>("bbnQrpSave")->isEnabled());
    QVERIFY(m_host->closed());
}

QTEST_MAIN(TestLowPowerPage)
#include "test_lowpowerpage.moc"
