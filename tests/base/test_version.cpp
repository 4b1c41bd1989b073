#include "base/version.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Version, CompiledInVersionHasFourParts)
{
    const QString v = GetFileVersionText();
    EXPECT_EQ(v.split(QLatin1Char('.')).size(), 4) << v.toStdString();
}
