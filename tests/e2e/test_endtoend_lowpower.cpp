// Run 2: a second start of the program, a new owner whose station qualifies for the
// low-power case, its report files and the submission page's Back for that owner.
#include "app/mainwindow.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "endtoend.h"
#include "outputfiles.h"
#include "pdftools.h"
#include "shell/ui/pagebase.h"
#include "shell/wizardpages.h"
#include "wizarddriver.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

void TestEndToEnd::run2_lowPowerOwnerGetsItsReport()
{
    startProgram();
    if (QTest::currentTestFailed())
        return;
    // The first show made the owner of run 1 current.
    QCOMPARE(CurrentSelection().call, QStringLiteral("ON4VLM"));
    TWizardDriver &u = *m_user;
    QVERIFY(u.next());
    QCOMPARE(u.find<QLineEdit>("dbeCall")->text(), QStringLiteral("ON4VLM"));

    QVERIFY(u.click("bbnUserAdd"));
    QVERIFY(u.find<QLineEdit>("dbeCall")->text().isEmpty());
    enterOwner(QStringLiteral("ON4QRP"), QStringLiteral("Marie"), QStringLiteral("Dubois"),
               QString::fromUtf8("Rue de l'Église 5"), QStringLiteral("1000"));
    if (QTest::currentTestFailed())
        return;
    QVERIFY(u.click("bbnUserSave"));
    VERIFY_NO_MESSAGE();
    auto *owners = u.find<QComboBox>("cbxSelUserData");
    QVERIFY(owners->isVisible());
    QCOMPARE(owners->count(), 2);
    QCOMPARE(owners->currentText(), QStringLiteral("ON4QRP"));
    const QString folder = ownerFolder(QStringLiteral("ON4QRP"));
    QCOMPARE(CurrentSelection().userDirectory, folder);

    // The side road of the user data page.
    QVERIFY(u.click("bbnToQrp"));
    QCOMPARE(u.activePage(), int(PageQrpInput));
    QCOMPARE(m_window->PageTitleText(), QStringLiteral("Special Low Power Case"));
    QCOMPARE(u.page()->nextButton()->text(), QStringLiteral("&Close"));
    QVERIFY(!u.find<QGroupBox>("gbxQrpResult")->isVisible()); // nothing measured yet
    QVERIFY(!u.find<QLabel>("imgLowPower")->pixmap().isNull());

    // 5 W into a 2 m antenna of 2,2 dBi through 0,5 dB of coax, 6 m from any place
    // where people stay: 4,51 W ERP, under the 5 W class and its 5,1 m clearance.
    QVERIFY(u.choose("dblQrpModeCorr", QStringLiteral("FM")));
    QVERIFY(u.choose("dblQrpTimeCorr", QStringLiteral("Continuous")));
    QVERIFY(u.choose("dblQrpFreq", QStringLiteral("2 m")));
    QVERIFY(u.type("dbmQrpPower", QStringLiteral("5")));
    QVERIFY(u.type("dbmQrpGain", QStringLiteral("2.2")));
    QCOMPARE(u.find<QLineEdit>("dbmQrpGain")->text(), QStringLiteral("2,2"));
    QVERIFY(u.type("dbmQrpLosses", QStringLiteral("0,5")));
    QVERIFY(u.type("dbmQrpMinDist", QStringLiteral("6")));
    QVERIFY(u.type("dbmQrpMinHeigth", QStringLiteral("0")));
    QVERIFY(u.find<QGroupBox>("gbxQrpResult")->isVisible());
    QCOMPARE(u.find<QLabel>("lblResult")->text(), QStringLiteral("4,51 W"));
    QCOMPARE(u.find<QLabel>("lblResultM")->text(), QStringLiteral("The requirements are met ..."));
    QVERIFY(u.click("bbnQrpSave"));
    VERIFY_NO_MESSAGE();

    QVERIFY(u.click("bbnQrpFiles"));
    QCOMPARE(TWizardDriver::messages(),
             QStringList{QStringLiteral("QRP Report: All files were saved... (%1)")
                             .arg(QDir::toNativeSeparators(folder))});
    QVERIFY(CurrentSelection().lowPowerReport);

    // On disk: the picture of the page and the report, nothing else; the scratch
    // picture the report embedded is gone.
    QStringList files = FolderFiles(folder);
    files.sort();
    QCOMPARE(files, (QStringList{QStringLiteral("ON4QRP_VLM_QrpReport.pdf"),
                                 QStringLiteral("ON4QRP_Vlm_QrpResult.bmp")}));
    const QImage picture(QDir(folder).filePath(QStringLiteral("ON4QRP_Vlm_QrpResult.bmp")));
    QCOMPARE(picture.size(), u.page()->size());
    QVERIFY(!QFileInfo::exists(QDir(m_program).filePath(QStringLiteral("Tmp.bmp"))));
    const QString report = QDir(folder).filePath(QStringLiteral("ON4QRP_VLM_QrpReport.pdf"));
    const QMap<QString, QString> info = PdfInfo(report);
    QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("VLM"));
    QCOMPARE(info.value(QStringLiteral("Producer")), QStringLiteral("QIV"));
    const QString text = PdfLayoutText(report).simplified();
    for (const QString &expected :
         {QStringLiteral("Bruxelles, 14/03/2026."), QStringLiteral("Marie Dubois (ON4QRP)"),
          QString::fromUtf8("Rue de l'Église 5"),
          QStringLiteral("Subject: low-power installation of amateur radio station (ON4QRP)")})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in ") + text));
    // The report's second page is the picture of the page, at the page's size.
    const ToolResult images =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), report});
    QCOMPARE(images.exitCode, 0);
    const QStringList imageLines = images.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
    QCOMPARE(imageLines.size(), 1);
    const QStringList image = imageLines.first().simplified().split(u' ');
    QCOMPARE(image.value(0), QStringLiteral("2")); // page
    QCOMPARE(image.value(3).toInt(), picture.width());
    QCOMPARE(image.value(4).toInt(), picture.height());
}

void TestEndToEnd::run2_submissionBackReturnsToTheLowPowerPage()
{
    TWizardDriver &u = *m_user;
    // No Next/Back route leads from the low-power page to the submission page: its Next
    // closes the program, its Back clears the report flag, and the site page lets
    // nobody on without a site. The test goes there the way the pages themselves
    // move the wizard, through the window's SetActivePage.
    m_window->SetActivePage(PageBiptData);
    QCOMPARE(u.activePage(), int(PageBiptData));
    QStringList listed;
    auto *files = u.find<QTreeWidget>("lsvAllFiles");
    for (int i = 0; i < files->topLevelItemCount(); ++i)
        listed << files->topLevelItem(i)->text(0);
    QVERIFY2(listed.contains(QStringLiteral("ON4QRP_VLM_QrpReport.pdf")),
             qPrintable(listed.join(u' ')));

    // With the low-power files made, Back returns to the low-power page, which shows
    // the stored measures again.
    QVERIFY(u.back());
    QCOMPARE(u.activePage(), int(PageQrpInput));
    QCOMPARE(u.find<QLineEdit>("dbmQrpMinDist")->text(), QStringLiteral("6"));
    QCOMPARE(u.find<QLabel>("lblResult")->text(), QStringLiteral("4,51 W"));
    // Its Back forgets the report: from then on the submission page goes back to the reports.
    QVERIFY(u.back());
    QCOMPARE(u.activePage(), int(PageUserData));
    QVERIFY(!CurrentSelection().lowPowerReport);
    m_window->SetActivePage(PageBiptData);
    QVERIFY(u.back());
    QCOMPARE(u.activePage(), int(PageReportView));
    QVERIFY(u.next());
    closeProgram();
}
