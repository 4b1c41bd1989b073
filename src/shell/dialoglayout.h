#pragma once

#include <QList>

// Arithmetic of the message dialog's button row, kept apart from the widgets.

// The dialog's buttons in their fixed order, with the result each one gives.
enum DialogButton {
    DialogOk = 0,
    DialogCancel,
    DialogYes,
    DialogNo,
    DialogHelp,
    DialogButtonCount
};
int DialogButtonResult(DialogButton button); // 1, 2, 6, 7, 0

// The buttons a message kind shows, in the fixed order: OK for errors (1) and
// information (2), Yes and No for questions (3); none for another kind.
QList<DialogButton> DialogButtonsForKind(int kind);

// Left edges of `count` visible buttons of width `width` in a bevel of width
// `bevelWidth`: the first at bevelWidth - count * width - 20, each next one
// width + 10 further right. One button: 264; two: 189 and 274.
QList<int> DialogButtonLefts(int count, int width = 75, int bevelWidth = 359);
