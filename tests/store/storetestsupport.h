#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Shared set-up of the store tests: an application object (Qt SQL loads its
// driver through it) and temporary folders holding copies of the fresh
// databases built from data/.
namespace storetest
{

inline void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "store_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Copies the fresh VlmMain.mdb (or another built database) to folder/fileName.
inline QString CopyDatabase(const QString &folder,
                            const QString &fileName = QStringLiteral("VlmMain.mdb"),
                            const QString &source = QStringLiteral(VLM_TEST_DB))
{
    QDir().mkpath(folder);
    const QString target = QDir(folder).filePath(fileName);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(source, target))
        << source.toStdString() << " -> " << target.toStdString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

} // namespace storetest
