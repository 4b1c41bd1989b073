#pragma once

#include <QString>

class QWidget;

// Switches the interface to a language index (0 English, 1 Dutch, 2 French,
// 3 German) while the program runs: installs its translation and makes every
// open window follow at once. Each widget's fixed texts (its text, title, tool
// tip, window title, tab and header texts) are translated again when it
// receives QEvent::LanguageChange; texts a page composes itself are rebuilt by
// the page's retranslateUi(). Returns false when the language's file is
// missing (the interface then stays English).
bool SetInterfaceLanguage(int index);

// A text on screen in the language installed now: the new translation of the
// tr() call that produced it, or the text itself when no translation produced
// it. The class names of `near` and its parents choose between contexts that
// gave the same words.
QString RetranslatedText(const QString &text, const QWidget *near);

// Translates the fixed texts of one widget (not its children) into the
// language installed now. A text that no translation produced (data, numbers,
// composed texts) is left as it is.
void RetranslateWidgetTexts(QWidget *widget);
