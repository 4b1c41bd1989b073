// The process-wide translation: installing a language, remembering where each text came
// from so that it can be translated again, and a missing translation file.
#include "base/programfolder.h"
#include "shell/interfacetranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Counts the QEvent::LanguageChange events the application receives.
class TLanguageChangeCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

QString next()
{
    return QCoreApplication::translate("TfraBase", "&Next  ");
}

class TestInterfaceTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("translations")));
        for (const char *code : {"nl", "fr"}) {
            const QString name =
                QStringLiteral("translations/velmor_%1.qm").arg(QLatin1String(code));
            QVERIFY2(QFile::copy(QStringLiteral(VLM_PROGRAM_DIR "/") + name, m_dir.filePath(name)),
                     qPrintable(name));
        }
        SetProgramFolder(m_dir.path());
    }

    void cleanupTestCase()
    {
        InstallInterfaceTranslation(0);
        SetProgramFolder(QString());
    }

    void languagesAndTheirFiles_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("next");
        QTest::newRow("English") << 0 << QStringLiteral("en") << QStringLiteral("&Next  ");
        QTest::newRow("Dutch") << 1 << QStringLiteral("nl") << QStringLiteral("&Volgende  ");
        QTest::newRow("French") << 2 << QStringLiteral("fr") << QStringLiteral("&Suivant  ");
        QTest::newRow("outside the list is English")
            << 7 << QStringLiteral("en") << QStringLiteral("&Next  ");
    }

    void languagesAndTheirFiles()
    {
        QFETCH(int, index);
        QFETCH(QString, code);
        QFETCH(QString, next);
        TLanguageChangeCounter counter;
        qApp->installEventFilter(&counter);
        QString error;
        QVERIFY2(InstallInterfaceTranslation(index, &error), qPrintable(error));
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.count, 1); // every window is told once
        QCOMPARE(InterfaceLanguageCode(index), code);
        QCOMPARE(InstalledInterfaceLanguage(), index <= 3 ? index : 0);
        QCOMPARE(::next(), next);
        // Qt's own texts come along (Debian's qtbase translations).
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel == QStringLiteral("Cancel"), index == 0 || index > 3);
    }

    // A text on screen is found again from any language it was shown in.
    void aShownTextLeadsBackToItsSource()
    {
        QVERIFY(InstallInterfaceTranslation(2));
        const QString french = ::next();
        QVERIFY(InstallInterfaceTranslation(1));
        const QList<TTranslationSource> sources = SourcesOfTranslatedText(french);
        QCOMPARE(sources.size(), 1);
        QCOMPARE(sources.first().context, QByteArray("TfraBase"));
        QCOMPARE(sources.first().source, QByteArray("&Next  "));
        QCOMPARE(TranslateSource(sources.first()), QStringLiteral("&Volgende  "));
        // Words no translation produced are not found.
        QVERIFY(SourcesOfTranslatedText(QStringLiteral("ON4AAA")).isEmpty());
        InstallInterfaceTranslation(0);
    }

    void aMissingFileKeepsEnglish()
    {
        QString error;
        QVERIFY(!InstallInterfaceTranslation(3, &error)); // no German file in this folder
        QVERIFY2(error.contains(QStringLiteral("velmor_de.qm")), qPrintable(error));
        QCOMPARE(InstalledInterfaceLanguage(), 0);
        QCOMPARE(::next(), QStringLiteral("&Next  "));
        QCOMPARE(ProgramTranslationFile(0), QString());
    }

private:
    QTemporaryDir m_dir;
};

} // namespace

QTEST_GUILESS_MAIN(TestInterfaceTranslation)
#include "test_interfacetranslation.moc"
