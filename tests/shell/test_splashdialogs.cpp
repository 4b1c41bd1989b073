// Under a real window manager (openbox on Xvfb, see with-window-manager.sh):
// a dialog shown while the splash stands is what the user sees, not hidden
// behind the splash, and the splash comes back when the dialog is done.
#include "base/messages.h"
#include "shell/ui/messagedialog.h"
#include "shell/ui/splashwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QScreen>
#include <QtTest>

class TestSplashDialogs : public QObject
{
    Q_OBJECT

private slots:
    void dialogsComeAboveTheSplash_data();
    void dialogsComeAboveTheSplash();
};

namespace
{

// Share of the dialog's own pixels that the screen shows where the dialog is.
double VisibleShare(QWidget *dialog)
{
    const QImage own = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect where(dialog->mapToGlobal(QPoint(0, 0)), dialog->size());
    const QImage seen = dialog->screen()
                            ->grabWindow(0, where.x(), where.y(), where.width(), where.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    if (seen.size() != own.size())
        return 0.0;
    int same = 0, total = 0;
    for (int y = 0; y < own.height(); y += 4) {
        for (int x = 0; x < own.width(); x += 4) {
            ++total;
            same += own.pixel(x, y) == seen.pixel(x, y) ? 1 : 0;
        }
    }
    return total ? double(same) / total : 0.0;
}

} // namespace

void TestSplashDialogs::dialogsComeAboveTheSplash_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("error message (VLM Update)") << 0;
    QTest::newRow("question") << 1;
    QTest::newRow("file dialog (Locate the VLM Database)") << 2;
}

void TestSplashDialogs::dialogsComeAboveTheSplash()
{
    QFETCH(int, which);
    TDialogPresenter presenter;
    SetMessagePresenter(&presenter);
    auto *splash = new TfrmSplash;
    splash->ShowSplash();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTest::qWait(300); // the window manager places it

    double share = -1.0;
    bool splashHidden = false;
    QTimer poll;
    poll.setInterval(100);
    int settled = 0;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible() || ++settled < 5)
            return; // half a second for the window manager and the first paint
        poll.stop();
        share = VisibleShare(dialog);
        splashHidden = !splash->isVisible();
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
    });
    poll.start();
    switch (which) {
    case 0:
        ShowErrorMessage(QStringLiteral("VLM Update"), QStringLiteral("The table update failed."));
        break;
    case 1:
        AskYesNo(QStringLiteral("VLM Info"), QStringLiteral("Go on?"));
        break;
    default:
        AskOpenFileName(QStringLiteral("Locate the VLM Database"), QDir::tempPath(),
                        QStringLiteral("Access Database (*.mdb)"));
        break;
    }
    SetMessagePresenter(nullptr);
    QVERIFY2(share > 0.9, qPrintable(QStringLiteral("%1 of the dialog seen").arg(share)));
    QVERIFY(splashHidden);
    QVERIFY(splash->isVisible()); // back after the dialog
    delete splash;
}

QTEST_MAIN(TestSplashDialogs)
#include "test_splashdialogs.moc"
