#include "base/preferences.h"
#include "update/updateinfo.h"
#include "update/updateserver.h"
#include "update/versionnumber.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(VersionNumber, ParsesOneToFourNumericParts)
{
    const struct {
        const char *text;
        bool valid;
        const char *normalised;
    } cases[] = {
        {"1.0.0.1", true, "1.0.0.1"},
        {" 2.10.3.48 ", true, "2.10.3.48"},
        {"1.2", true, "1.2.0.0"},
        {"7", true, "7.0.0.0"},
        {"", false, ""},
        {"No ver. info", false, ""},
        {"1.0.0.1.5", false, ""},
        {"1..0", false, ""},
        {"1.0.", false, ""},
        {"1.-2", false, ""},
        {"1.0b", false, ""},
        {"1.9999999999", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto v = VersionNumber::parse(QString::fromUtf8(c.text));
        ASSERT_EQ(v.has_value(), c.valid);
        if (v) {
            EXPECT_EQ(v->toString(), QString::fromUtf8(c.normalised));
        }
    }
}

TEST(VersionNumber, ComparesPartByPartNumerically)
{
    const struct {
        const char *a;
        const char *b;
        int order; // -1 a older, 0 same, 1 a newer
    } cases[] = {
        {"1.0.0.1", "1.0.0.2", -1}, {"1.0.0.10", "1.0.0.9", 1}, // numbers, not text
        {"1.2", "1.2.0.0", 0},      {"2.0.0.0", "1.99.99.99", 1}, {"1.0.1.0", "1.0.0.99", 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const VersionNumber a = *VersionNumber::parse(QString::fromUtf8(c.a));
        const VersionNumber b = *VersionNumber::parse(QString::fromUtf8(c.b));
        EXPECT_EQ(a < b, c.order < 0);
        EXPECT_EQ(a == b, c.order == 0);
        EXPECT_EQ(a > b, c.order > 0);
    }
}

TEST(UpdateInfo, ReadsTheInformationFile)
{
    const QUrl info(QStringLiteral("https://maker.example/vlmupdates/Vlm.inf"));
    const struct {
        const char *why;
        QByteArray content;
        const char *version; // nullptr: malformed
        const char *download;
    } cases[] = {
        {"plain file", "Version=1.0.0.2\nDownload=https://files.example/Velmor-1.0.0.2.tar.gz\n",
         "1.0.0.2", "https://files.example/Velmor-1.0.0.2.tar.gz"},
        {"comments, CRLF, blanks, any key case, byte order mark",
         "\xEF\xBB\xBF# current release\r\n\r\n; note\r\n  VERSION = 1.2 \r\ndownload= "
         "Velmor-1.2.tar.gz\r\n",
         "1.2.0.0", "https://maker.example/vlmupdates/Velmor-1.2.tar.gz"},
        {"absolute path on the same server", "Version=3.0.0.0\nDownload=/files/Velmor.tar.gz",
         "3.0.0.0", "https://maker.example/files/Velmor.tar.gz"},
        {"unknown keys are ignored", "Version=1.0.0.3\nNotes=faster\nDownload=a.tgz", "1.0.0.3",
         "https://maker.example/vlmupdates/a.tgz"},
        {"empty file", "", nullptr, nullptr},
        {"HTML error page", "<html><body>Not here</body></html>", nullptr, nullptr},
        {"no version", "Download=https://files.example/a.tgz", nullptr, nullptr},
        {"version not numeric", "Version=latest\nDownload=a.tgz", nullptr, nullptr},
        {"no download", "Version=1.0.0.2", nullptr, nullptr},
        {"download of another scheme", "Version=1.0.0.2\nDownload=file:///etc/passwd", nullptr,
         nullptr},
        {"download with a bad address", "Version=1.0.0.2\nDownload=http://[bad", nullptr, nullptr},
        {"version given twice", "Version=1.0.0.2\nversion=9.0.0.0\nDownload=a.tgz", nullptr,
         nullptr},
        {"binary data", QByteArray("Version=1.0.0.2\nDownload=a\0b", 28), nullptr, nullptr},
        {"too large", "Version=1.0.0.2\nDownload=a.tgz\n" + QByteArray(int(MaxUpdateInfoSize), '#'),
         nullptr, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        const UpdateInfoParse parsed = ParseUpdateInfo(c.content, info);
        ASSERT_EQ(parsed.ok, c.version != nullptr) << parsed.error.toStdString();
        if (!parsed.ok) {
            EXPECT_FALSE(parsed.error.isEmpty());
            continue;
        }
        EXPECT_EQ(parsed.info.version.toString(), QString::fromUtf8(c.version));
        EXPECT_EQ(parsed.info.download.toString(), QString::fromUtf8(c.download));
    }
}

TEST(UpdateServer, EnvironmentOverridesPreferenceOverridesDefault)
{
    const QString def = QStringLiteral("https://maker.example");
    const struct {
        const char *why;
        QString environment;
        QString preference;
        QString expected;
    } cases[] = {
        {"environment wins", QStringLiteral("http://127.0.0.1:8080"),
         QStringLiteral("https://pref.example"), QStringLiteral("http://127.0.0.1:8080")},
        {"preference when no environment", QString(), QStringLiteral("https://pref.example"),
         QStringLiteral("https://pref.example")},
        {"default when neither", QString(), QString(), def},
        {"unusable environment value is passed over", QStringLiteral("not a url"), QString(), def},
        {"other schemes are passed over", QStringLiteral("ftp://127.0.0.1"),
         QStringLiteral("file:///tmp"), def},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(ResolveUpdateServer(c.environment, c.preference, def).toString(), c.expected);
    }
    EXPECT_TRUE(QUrl(DefaultUpdateServer()).scheme() == QLatin1String("https"));
}

TEST(UpdateServer, FileAddressJoinsBaseAndPath)
{
    const struct {
        QString base;
        QString expected;
    } cases[] = {
        {QStringLiteral("http://127.0.0.1:8080"),
         QStringLiteral("http://127.0.0.1:8080/vlmupdates/Vlm.inf")},
        {QStringLiteral("http://127.0.0.1:8080/"),
         QStringLiteral("http://127.0.0.1:8080/vlmupdates/Vlm.inf")},
        {QStringLiteral("https://maker.example/mirror/"),
         QStringLiteral("https://maker.example/mirror/vlmupdates/Vlm.inf")},
        {QStringLiteral("https://maker.example/mirror?x=1"),
         QStringLiteral("https://maker.example/mirror/vlmupdates/Vlm.inf")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.base.toStdString());
        EXPECT_EQ(ServerFileUrl(QUrl(c.base), UpdateServerKeys::InfoFilePath).toString(),
                  c.expected);
    }
}

TEST(UpdateServer, ReadsEnvironmentAndPreferenceInForce)
{
    const QByteArray savedEnvironment = qgetenv("VLM_SERVER");
    QTemporaryDir dir;
    SetPreferenceFile(dir.filePath(QStringLiteral("prefs.ini")));
    ASSERT_TRUE(WritePreference(PreferenceKeys::SubKey, UpdateServerKeys::Preference,
                                PreferenceString, QStringLiteral("https://pref.example"))
                    .ok);

    qputenv("VLM_SERVER", "http://127.0.0.1:4321");
    EXPECT_EQ(UpdateInfoUrl().toString(),
              QStringLiteral("http://127.0.0.1:4321/vlmupdates/Vlm.inf"));
    qunsetenv("VLM_SERVER");
    EXPECT_EQ(UpdateInfoUrl().toString(),
              QStringLiteral("https://pref.example/vlmupdates/Vlm.inf"));

    SetPreferenceFile(QString());
    if (!savedEnvironment.isNull())
        qputenv("VLM_SERVER", savedEnvironment);
}
