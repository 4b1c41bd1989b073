#include "base/applicationstate.h"
#include "base/version.h"
#include "shell/ui/controlimage.h"
#include "shell/ui/messagedialog.h"
#include "shell/ui/splashwindow.h"

#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestMessageDialog : public QObject
{
    Q_OBJECT

private slots:
    void kindsShowTheirButtons_data();
    void kindsShowTheirButtons();
    void buttonsGiveTheirResults_data();
    void buttonsGiveTheirResults();
    void closeBoxGivesTwo();
    void presenterShowsTheDialog();
    void splashShowsVersionAndStatus();
    void controlImagesAreSavedInTheAskedFormat_data();
    void controlImagesAreSavedInTheAskedFormat();
};

void TestMessageDialog::kindsShowTheirButtons_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QList<int>>("lefts");
    QTest::newRow("error") << 1 << QStringList{QStringLiteral("bbnOk")} << QList<int>{264};
    QTest::newRow("information") << 2 << QStringList{QStringLiteral("bbnOk")} << QList<int>{264};
    QTest::newRow("question") << 3 << QStringList{QStringLiteral("bbnYes"), QStringLiteral("bbnNo")}
                              << QList<int>{189, 274};
}

void TestMessageDialog::kindsShowTheirButtons()
{
    QFETCH(int, kind);
    QFETCH(QStringList, visible);
    QFETCH(QList<int>, lefts);

    TfrmDialog dialog;
    dialog.Prepare(QStringLiteral("Caption"), QStringLiteral("Some text"), kind);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Caption"));
    QCOMPARE(dialog.size(), QSize(385, 170));
    QCOMPARE(dialog.findChild<QPlainTextEdit *>(QStringLiteral("memMessage"))->toPlainText(),
             QStringLiteral("Some text"));
    QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("imgIcon"))->pixmap().isNull());
    QStringList shown;
    QList<int> shownLefts;
    for (const char *name : {"bbnOk", "bbnCancel", "bbnYes", "bbnNo", "bbnDialogHelp"}) {
        auto *button = dialog.findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY(button);
        if (button->isVisible()) {
            shown << QString::fromLatin1(name);
            shownLefts << button->x();
            QCOMPARE(button->size(), QSize(75, 25));
        }
    }
    QCOMPARE(shown, visible);
    QCOMPARE(shownLefts, lefts);
}

void TestMessageDialog::buttonsGiveTheirResults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << 1 << "bbnOk" << 1;
    QTest::newRow("Yes") << 3 << "bbnYes" << 6;
    QTest::newRow("No") << 3 << "bbnNo" << 7;
}

void TestMessageDialog::buttonsGiveTheirResults()
{
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(int, result);
    TfrmDialog dialog;
    dialog.Prepare(QStringLiteral("c"), QStringLiteral("t"), kind);
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), result);
}

void TestMessageDialog::closeBoxGivesTwo()
{
    TfrmDialog dialog;
    dialog.Prepare(QStringLiteral("Leaving VLM"),
                   QStringLiteral("Are you sure you want to leave VLM ?"), 3);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.close(); });
    QCOMPARE(dialog.exec(), 2);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), 2);
}

void TestMessageDialog::presenterShowsTheDialog()
{
    TDialogPresenter presenter;
    SetMessagePresenter(&presenter);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<TfrmDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTest::mouseClick(dialog->button(DialogNo), Qt::LeftButton);
    });
    QCOMPARE(AskYesNo(QStringLiteral("Question"), QStringLiteral("Really?")), AnswerNo);
    SetMessagePresenter(nullptr);
}

void TestMessageDialog::splashShowsVersionAndStatus()
{
    QPointer<TfrmSplash> splash = new TfrmSplash;
    QCOMPARE(TfrmSplash::instance(), splash.data());
    splash->ShowSplash();
    QCOMPARE(splash->size(), QSize(408, 336));
    QCOMPARE(splash->versionLabel()->text(), QStringLiteral("Ver.: ") + GetFileVersionText());
    QCOMPARE(splash->versionLabel()->y(), 312);
    QVERIFY(!splash->statusLabel()->isVisible());

    TApplicationState::instance().showSplashStatus(
        QStringLiteral("No Internet Connection available!"));
    QVERIFY(splash->statusLabel()->isVisible());
    QCOMPARE(splash->statusLabel()->text(), QStringLiteral("No Internet Connection available!"));

    // Closing frees it and clears the global reference.
    splash->close();
    QTRY_VERIFY(splash.isNull());
    QVERIFY(!TfrmSplash::instance());
    TApplicationState::instance().showSplashStatus(QStringLiteral("nobody listens"));
}

void TestMessageDialog::controlImagesAreSavedInTheAskedFormat_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("jpeg") << 0 << QByteArray("jpeg");
    QTest::newRow("bmp") << 1 << QByteArray("bmp");
}

void TestMessageDialog::controlImagesAreSavedInTheAskedFormat()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, format);
    QTemporaryDir dir;
    QLabel control(QStringLiteral("Plot"));
    control.resize(120, 80);
    control.show();

    QImage captured;
    CaptureControl(&control, captured);
    QCOMPARE(captured.size(), QSize(120, 80));

    // The extension does not decide the format; the kind does.
    const QString file = dir.filePath(QStringLiteral("Tmp.img"));
    QVERIFY(SaveControlImage(file, kind, &control));
    QImageReader reader(file);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), QSize(120, 80));

    QVERIFY(!SaveControlImage(dir.filePath(QStringLiteral("x")), 2, &control));
    QVERIFY(!SaveControlImage(dir.filePath(QStringLiteral("missing/dir/x.bmp")), kind, &control));
}

QTEST_MAIN(TestMessageDialog)
#include "test_messagedialog.moc"
