#pragma once

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/programfolder.h"
#include "freshdatabase.h"
#include "reportfixturedata.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A data module on a fresh copy of the shipped database, with one owner in Leuven
// (ON4XYZ), one site Loc01 and its placement Loc01-Ant02 on 2 m with two critical test
// points behind different walls, and a second placement Loc02-Ant01 on a site without
// points. The program folder and the clock are fixed for the test.
class ReportDbTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { EnsureTestApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), dir.path(), &error);
        ASSERT_TRUE(dm) << error.toStdString();
        SetProgramFolder(dir.path());
        SetClockOverride(QDateTime(QDate(2026, 3, 14), QTime(10, 30)));
        CurrentSelection().clear();

        const TReportFixtureIds ids = FillReportFixture(dm->conMainDb->database(), dir.path());
        ownerId = ids.ownerId;
        band2m = ids.band2m;
        select(1);
    }

    void TearDown() override
    {
        dm.reset();
        CurrentSelection().clear();
        SetProgramFolder(QString());
        SetClockOverride(QDateTime());
    }

    void select(int languageId)
    {
        TCurrentSelection &cs = CurrentSelection();
        cs.ownerId = ownerId;
        cs.languageId = languageId;
        cs.setCall(QStringLiteral("ON4XYZ"));
        cs.setUserDirectory(dir.path());
        sql(QStringLiteral("UPDATE tblOwner SET IdLanguage = %1 WHERE IdOwner = %2")
                .arg(languageId)
                .arg(ownerId));
    }

    qint32 sql(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << q.lastError().text().toStdString();
        return q.lastInsertId().toInt();
    }

    QVariant value(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        EXPECT_TRUE(q.exec(text)) << text.toStdString();
        return q.next() ? q.value(0) : QVariant();
    }

    // Replaces a template's text for every language.
    void setTemplate(const QString &name, const QString &text)
    {
        QString quoted = text;
        quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
        sql(QStringLiteral("UPDATE tblDocs SET DocsText = '%1' WHERE DocsName = '%2'")
                .arg(quoted, name));
    }

    QTemporaryDir dir;
    std::unique_ptr<TdtmMain> dm;
    qint32 ownerId = 0;
    int band2m = 0;
};

// A 24-bit BMP of the given size, a colour gradient, written by hand so that logic tests
// need no image library.
inline bool WriteTestBmp(const QString &path, int width, int height)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const int imageSize = rowBytes * height;
    QByteArray data(54 + imageSize, '\0');
    auto put32 = [&data](int offset, quint32 v) {
        for (int i = 0; i < 4; ++i)
            data[offset + i] = char((v >> (8 * i)) & 0xFF);
    };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, quint32(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    data[26] = 1;
    data[28] = 24;
    put32(34, quint32(imageSize));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int at = 54 + y * rowBytes + x * 3;
            data[at] = char(200);
            data[at + 1] = char(x * 255 / width);
            data[at + 2] = char(y * 255 / height);
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}
