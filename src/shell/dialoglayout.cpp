#include "shell/dialoglayout.h"

int DialogButtonResult(DialogButton button)
{
    switch (button) {
    case DialogOk:
        return 1;
    case DialogCancel:
        return 2;
    case DialogYes:
        return 6;
    case DialogNo:
        return 7;
    default:
        return 0;
    }
}

QList<DialogButton> DialogButtonsForKind(int kind)
{
    switch (kind) {
    case 1:
    case 2:
        return {DialogOk};
    case 3:
        return {DialogYes, DialogNo};
    default:
        return {};
    }
}

QList<int> DialogButtonLefts(int count, int width, int bevelWidth)
{
    QList<int> lefts;
    int left = bevelWidth - count * width - 20;
    for (int i = 0; i < count; ++i) {
        lefts.append(left);
        left += width + 10;
    }
    return lefts;
}
