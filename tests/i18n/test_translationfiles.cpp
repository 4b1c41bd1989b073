// The translation files: every message of the program's sources is translated into Dutch,
// French and German, nothing stale is kept, and each translation keeps its source's
// placeholders and keyboard shortcut marker.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{

struct TMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<TMessage> readTs(const QString &path, QString *error)
{
    QList<TMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TMessage{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// The "&" that marks a keyboard shortcut ("&&" is a plain ampersand).
int shortcutMarkers(QString text)
{
    text.remove(QStringLiteral("&&"));
    return int(text.count(QLatin1Char('&')));
}

QString describe(const TMessage &m)
{
    return m.context + QStringLiteral(": \"") + m.source + QStringLiteral("\" -> \"") +
           m.translation + QLatin1Char('"');
}

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyMessageIsTranslatedFaithfully_data();
    void everyMessageIsTranslatedFaithfully();
    void theFilesHoldExactlyTheSourcesMessages_data();
    void theFilesHoldExactlyTheSourcesMessages();
    void lreleaseFindsNothingUnfinished_data();
    void lreleaseFindsNothingUnfinished();

private:
    static void languages()
    {
        QTest::addColumn<QString>("file");
        for (const char *code : {"nl", "fr", "de"})
            QTest::newRow(code) << QStringLiteral(VLM_SOURCE_DIR "/translations/velmor_%1.ts")
                                       .arg(QLatin1String(code));
    }
};

void TestTranslationFiles::everyMessageIsTranslatedFaithfully_data()
{
    languages();
}

void TestTranslationFiles::everyMessageIsTranslatedFaithfully()
{
    QFETCH(QString, file);
    QString error;
    const QList<TMessage> messages = readTs(file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 300);
    QStringList faults;
    for (const TMessage &m : messages) {
        if (!m.type.isEmpty())
            faults << m.type + QStringLiteral(" ") + describe(m);
        else if (m.translation.trimmed().isEmpty())
            faults << QStringLiteral("empty ") + describe(m);
        else if (placeholders(m.source) != placeholders(m.translation))
            faults << QStringLiteral("placeholders differ ") + describe(m);
        else if (shortcutMarkers(m.source) != shortcutMarkers(m.translation))
            faults << QStringLiteral("shortcut marker differs ") + describe(m);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslationFiles::theFilesHoldExactlyTheSourcesMessages_data()
{
    languages();
}

// lupdate over today's sources, on a copy: no message is new (untranslated) and none
// has gone (a stale entry kept in the file).
void TestTranslationFiles::theFilesHoldExactlyTheSourcesMessages()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    QVERIFY(QFile::copy(file, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VLM_LUPDATE),
                  {QStringLiteral("-I"), QStringLiteral(VLM_SOURCE_DIR "/src"),
                   QStringLiteral("@" VLM_TRANSLATED_SOURCE_LIST), QStringLiteral("-no-obsolete"),
                   QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"),
                   copy});
    QVERIFY(lupdate.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(lupdate.readAll());
    QVERIFY2(lupdate.exitCode() == 0, qPrintable(output));
    // lupdate warns about tr() calls it cannot place (no context, class without Q_OBJECT):
    // their texts would stay English.
    const QStringList warnings = output.split(QLatin1Char('\n')).filter(QStringLiteral("tr()")) +
                                 output.split(QLatin1Char('\n')).filter(QStringLiteral("Q_OBJECT"));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));

    QString error;
    const QList<TMessage> before = readTs(file, &error);
    const QList<TMessage> after = readTs(copy, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList faults;
    for (const TMessage &m : after) {
        if (!m.type.isEmpty())
            faults << QStringLiteral("not translated yet ") + describe(m);
    }
    if (after.size() != before.size())
        faults << QStringLiteral("%1 messages in the file, %2 in the sources: run lupdate "
                                 "(cmake --build build --target update_translations)")
                      .arg(before.size())
                      .arg(after.size());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestTranslationFiles::lreleaseFindsNothingUnfinished_data()
{
    languages();
}

void TestTranslationFiles::lreleaseFindsNothingUnfinished()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start(QStringLiteral(VLM_LRELEASE),
                   {file, QStringLiteral("-qm"), dir.filePath(QStringLiteral("out.qm"))});
    QVERIFY(lrelease.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(lrelease.readAll());
    QVERIFY2(lrelease.exitCode() == 0, qPrintable(output));
    static const QRegularExpression summary(QStringLiteral(
        "Generated (\\d+) translation\\(s\\) \\((\\d+) finished and (\\d+) unfinished\\)"));
    const QRegularExpressionMatch m = summary.match(output);
    QVERIFY2(m.hasMatch(), qPrintable(output));
    QCOMPARE(m.captured(3), QStringLiteral("0"));
    QCOMPARE(m.captured(1), m.captured(2));
    QVERIFY2(!output.contains(QStringLiteral("ignored")), qPrintable(output));
}

} // namespace

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "test_translationfiles.moc"
