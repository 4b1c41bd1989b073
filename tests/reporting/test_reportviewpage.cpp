// The report page on the fixture station: tree selection, caption, report text,
// " &Print" (preview), "Make &File" (PDF in the personal directory and the message) and
// "Make all reports" (every placement's PDF, one message).
#include "base/clock.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "fakewizardhost.h"
#include "freshdatabase.h"
#include "fulldisk.h"
#include "reportfixturedata.h"
#include "reports/ui/printoperations.h"
#include "reports/ui/reportviewpage.h"
#include "shell/ui/wizardhost.h"
#include "store/datamodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

class TestReportViewPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void activationSelectsTheFirstPlacement();
    void rootAndSiteNodesShowNoReport();
    void placementWithoutPointsShowsTheTemplateOnly();
    void makeFileWritesTheCallNamedPdf();
    void makeFileWithoutPersonalDirectoryUsesTheCurrentFolder();
    void makeFileForAPortableCallStaysInThePersonalDirectory();
    void makeFileOnAFullDiskKeepsTheEarlierReport();
    void printPreviewsTheReport();
    void exposureSummaryIsWrittenInThePersonalDirectory();
    void makeAllReportsWritesOnePdfPerPlacement();
    void makeAllReportsGoesOnPastAFailingReport();
    void documentsOfAnIncompleteEvaluationAreMadeOnlyOnYes_data();
    void documentsOfAnIncompleteEvaluationAreMadeOnlyOnYes();

private:
    QTreeWidgetItem *node(const QString &text) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TdtmMain> m_dm;
    std::unique_ptr<FakeWizardHost> m_host;
    std::unique_ptr<TfraReportView> m_page;
};

void TestReportViewPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QString error;
    m_dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir->path(), &error);
    QVERIFY2(m_dm, qPrintable(error));
    SetProgramFolder(m_dir->path());
    SetClockOverride(QDateTime(QDate(2026, 3, 14), QTime(10, 30)));
    const TReportFixtureIds ids = FillReportFixture(m_dm->conMainDb->database(), m_dir->path());
    TCurrentSelection &cs = CurrentSelection();
    cs.clear();
    cs.ownerId = ids.ownerId;
    cs.languageId = 1;
    cs.setCall(QStringLiteral("ON4XYZ"));
    cs.setUserDirectory(m_dir->path());
    ClearShownMessages();
    SetPreviewSuppressed(true);
    m_host = std::make_unique<FakeWizardHost>(m_dm.get(), 7);
    m_page = std::make_unique<TfraReportView>(*m_host);
    m_page->show();
    m_page->ActivatePage();
}

void TestReportViewPage::cleanup()
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

QTreeWidgetItem *TestReportViewPage::node(const QString &text) const
{
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    const QList<QTreeWidgetItem *> found =
        tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

void TestReportViewPage::activationSelectsTheFirstPlacement()
{
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    QVERIFY(tree);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("ON4XYZ"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Loc01-Ant02"));
    QVERIFY(m_page->findChild<QPushButton *>(QStringLiteral("bbnRepPrint"))->isEnabled());
    QVERIFY(m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->isEnabled());
    QCOMPARE(m_page->findChild<QGroupBox *>(QStringLiteral("gbxReporting"))->title(),
             QStringLiteral("  Report on \"Loc01-Ant02\".  "));
    const QString text =
        m_page->findChild<QTextEdit *>(QStringLiteral("retReporting"))->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("RF EXPOSURE REPORT - ANTENNA Loc01-Ant02")));
    QVERIFY(text.contains(QStringLiteral("   CTP_01      10")));
    QVERIFY(text.contains(QStringLiteral("   CTP_02      6 ")));
}

void TestReportViewPage::rootAndSiteNodesShowNoReport()
{
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    for (const QString &name : {QStringLiteral("ON4XYZ"), QStringLiteral("Loc01")}) {
        tree->setCurrentItem(node(name));
        QVERIFY(!m_page->findChild<QPushButton *>(QStringLiteral("bbnRepPrint"))->isEnabled());
        QVERIFY(!m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->isEnabled());
        QCOMPARE(m_page->findChild<QGroupBox *>(QStringLiteral("gbxReporting"))->title(),
                 QStringLiteral("  Report  "));
        QVERIFY(m_page->findChild<QTextEdit *>(QStringLiteral("retReporting"))
                    ->toPlainText()
                    .isEmpty());
    }
}

void TestReportViewPage::placementWithoutPointsShowsTheTemplateOnly()
{
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    tree->setCurrentItem(node(QStringLiteral("Loc02-Ant01")));
    const QStringList lines = m_page->ReportLines();
    QVERIFY(!lines.isEmpty());
    QVERIFY(lines.last().contains(QStringLiteral("E (V/m)")));
    QVERIFY(lines.join(QLatin1Char('\n')).contains(QStringLiteral("Main location      : No")));
}

void TestReportViewPage::makeFileWritesTheCallNamedPdf()
{
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->click();
    const QString path = m_dir->filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    QVERIFY(QFileInfo::exists(path));
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].caption, QStringLiteral("VLM Reporting"));
    QCOMPARE(shown[0].text, QStringLiteral("The Report was saved... (") +
                                QDir::toNativeSeparators(QDir(m_dir->path()).absolutePath()) +
                                QStringLiteral(")"));
}

void TestReportViewPage::makeFileWithoutPersonalDirectoryUsesTheCurrentFolder()
{
    CurrentSelection().setUserDirectory(QString());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->click();
    QDir::setCurrent(previous);
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"))));
}

void TestReportViewPage::makeFileForAPortableCallStaysInThePersonalDirectory()
{
    CurrentSelection().setCall(QStringLiteral("ON4XYZ/P"));
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->click();
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("ON4XYZ_P_VLM_Loc01-Ant02.pdf"))).size() > 0);
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].text.startsWith(QStringLiteral("The Report was saved...")),
             qPrintable(shown[0].text));
}

void TestReportViewPage::makeFileOnAFullDiskKeepsTheEarlierReport()
{
    const QString path = m_dir->filePath(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"));
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->click();
    const QByteArray earlier = FileBytes(path);
    QVERIFY(!earlier.isEmpty());
    ClearShownMessages();
    {
        TScopedWriteFailure full(100);
        m_page->findChild<QPushButton *>(QStringLiteral("bbnRepFiles"))->click();
    }
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].text.contains(QStringLiteral("No space left on device")),
             qPrintable(shown[0].text));
    QVERIFY(!shown[0].text.contains(QStringLiteral("was saved")));
    QCOMPARE(FileBytes(path), earlier);
}

void TestReportViewPage::printPreviewsTheReport()
{
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepPrint"))->click();
    QCOMPARE(SuppressedPreviewCount(), 1);
    QVERIFY(ShownMessages().isEmpty());
}

void TestReportViewPage::exposureSummaryIsWrittenInThePersonalDirectory()
{
    auto *button = m_page->findChild<QPushButton *>(QStringLiteral("bbnRepExposure"));
    QVERIFY(button->isEnabled());
    // It covers the whole station: a site node selected does not disable it.
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    tree->setCurrentItem(node(QStringLiteral("Loc01")));
    QVERIFY(button->isEnabled());
    button->click();
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("ON4XYZ_VLM_Exposure.pdf"))));
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("The exposure summary was saved... (") +
                                QDir::toNativeSeparators(QDir(m_dir->path()).absolutePath()) +
                                QStringLiteral(")"));
}

// "Make all reports" writes every placement's report, whatever node is selected,
// and tells the folder and the files in one message.
void TestReportViewPage::makeAllReportsWritesOnePdfPerPlacement()
{
    auto *button = m_page->findChild<QPushButton *>(QStringLiteral("bbnRepAllFiles"));
    QVERIFY(button);
    auto *tree = m_page->findChild<QTreeWidget *>(QStringLiteral("trvAntRepSelect"));
    tree->setCurrentItem(node(QStringLiteral("ON4XYZ")));
    QVERIFY(button->isEnabled());
    button->click();
    QByteArray first;
    for (const QString &name : {QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf"),
                                QStringLiteral("ON4XYZ_VLM_Loc02-Ant01.pdf")}) {
        const QByteArray bytes = FileBytes(m_dir->filePath(name));
        QVERIFY2(bytes.startsWith("%PDF"), qPrintable(name));
        QVERIFY(bytes != first); // each placement has its own report
        first = bytes;
    }
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, int(MessageInfo));
    QCOMPARE(
        shown[0].text,
        QStringLiteral("The reports were saved in ") +
            QDir::toNativeSeparators(QDir(m_dir->path()).absolutePath()) +
            QStringLiteral(" :\n   ON4XYZ_VLM_Loc01-Ant02.pdf\n   ON4XYZ_VLM_Loc02-Ant01.pdf"));
}

// A report that cannot be written (a folder stands in its place) does not stop
// the next one; the one message is an error that names the failed placement.
void TestReportViewPage::makeAllReportsGoesOnPastAFailingReport()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ON4XYZ_VLM_Loc01-Ant02.pdf")));
    m_page->findChild<QPushButton *>(QStringLiteral("bbnRepAllFiles"))->click();
    QVERIFY(FileBytes(m_dir->filePath(QStringLiteral("ON4XYZ_VLM_Loc02-Ant01.pdf")))
                .startsWith("%PDF"));
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].kind, int(MessageError));
    const QStringList lines = shown[0].text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith(QStringLiteral("The reports were saved in ")));
    QCOMPARE(lines[1], QStringLiteral("   ON4XYZ_VLM_Loc02-Ant01.pdf"));
    QCOMPARE(lines[3], QStringLiteral("These reports could not be saved :"));
    QVERIFY2(lines[4].startsWith(QStringLiteral("   Loc01-Ant02: ")) && lines[4].size() > 20,
             qPrintable(lines[4]));
}

void TestReportViewPage::documentsOfAnIncompleteEvaluationAreMadeOnlyOnYes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("answer");
    for (const auto &[button, file] : {std::pair{"bbnRepFiles", "ON4XYZ_VLM_Loc01-Ant02.pdf"},
                                       std::pair{"bbnRepExposure", "ON4XYZ_VLM_Exposure.pdf"},
                                       std::pair{"bbnRepAllFiles", "ON4XYZ_VLM_Loc02-Ant01.pdf"}}) {
        QTest::addRow("%s, No", button)
            << QString::fromLatin1(button) << QString::fromLatin1(file) << int(AnswerNo);
        QTest::addRow("%s, Yes", button)
            << QString::fromLatin1(button) << QString::fromLatin1(file) << int(AnswerYes);
    }
}

// A placement whose power chain was never saved: the page warns before it makes
// a document, and makes it only when the user goes on.
void TestReportViewPage::documentsOfAnIncompleteEvaluationAreMadeOnlyOnYes()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(int, answer);
    QSqlQuery q(m_dm->conMainDb->database());
    QVERIFY(q.exec(QStringLiteral(
        "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc02-Ant01'")));
    SetNextAnswer(answer);
    m_page->findChild<QPushButton *>(button)->click();
    const QList<ShownMessage> shown = ShownMessages();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown[0].kind, int(MessageQuestion));
    QVERIFY(shown[0].text.startsWith(
        QStringLiteral("The evaluation is incomplete: no power chain for Loc02-Ant01.")));
    QCOMPARE(QFileInfo::exists(m_dir->filePath(file)), answer == AnswerYes);
}

QTEST_MAIN(TestReportViewPage)
#include "test_reportviewpage.moc"
