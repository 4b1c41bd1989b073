#pragma once

#include <QString>

class QWidget;

// Opens a help file (HTML with one anchor per context number) in the program's
// help window at the given context. A missing file is shown as such.
void OpenHelpAtContext(const QString &helpFile, int context, QWidget *parent);
