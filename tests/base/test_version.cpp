#include <gtest/gtest.h>

#include <QStringList>

#include "base/version.h"

TEST(Version, CompiledInVersionHasFourParts)
{
    const QString v = GetFileVersionText();
    EXPECT_EQ(v.split('.').size(), 4) << v.toStdString();
}
