#include "shell/dialoglayout.h"

#include <gtest/gtest.h>

namespace
{
TEST(DialogLayout, ButtonLeftEdges)
{
    const struct {
        int count;
        QList<int> lefts;
    } cases[] = {
        {0, {}},
        {1, {264}},
        {2, {189, 274}},
        {3, {114, 199, 284}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DialogButtonLefts(c.count), c.lefts) << c.count;
    // Other widths follow the same rule: 359 - n*w - 20, then steps of w + 10.
    EXPECT_EQ(DialogButtonLefts(2, 50), (QList<int>{239, 299}));
}

TEST(DialogLayout, ButtonsAndResultsByKind)
{
    EXPECT_EQ(DialogButtonsForKind(1), QList<DialogButton>{DialogOk});
    EXPECT_EQ(DialogButtonsForKind(2), QList<DialogButton>{DialogOk});
    EXPECT_EQ(DialogButtonsForKind(3), (QList<DialogButton>{DialogYes, DialogNo}));
    EXPECT_TRUE(DialogButtonsForKind(0).isEmpty());
    EXPECT_TRUE(DialogButtonsForKind(4).isEmpty());

    EXPECT_EQ(DialogButtonResult(DialogOk), 1);
    EXPECT_EQ(DialogButtonResult(DialogCancel), 2);
    EXPECT_EQ(DialogButtonResult(DialogYes), 6);
    EXPECT_EQ(DialogButtonResult(DialogNo), 7);
}
} // namespace
