#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The translation of the interface language (index 0 English, 1 Dutch,
// 2 French, 3 German) for the whole process.
//
// One translator stays installed for the whole run. It answers from the
// program's own file, "translations/velmor_<code>.qm" in the program's folder,
// and from Qt's file for its own dialogs, "qtbase_<code>.qm" (from the same
// folder when one is put there, else from Qt's translation folder). English
// answers with the source texts.
//
// It also remembers which source text each answer came from, so that a text
// already on screen can be translated again when the language changes
// (SourcesOfTranslatedText); composed texts (arg(), concatenation) are not
// found there and are rebuilt by their pages.

// "en", "nl", "fr", "de"; "en" for an index outside 0..3.
QString InterfaceLanguageCode(int index);

// Switches the process to the language of the index and tells every object
// (QEvent::LanguageChange through the application). An index outside 0..3
// means English. Returns false, with the reason in *error, when the program's
// own file for the language cannot be loaded; the texts then stay English.
// A missing Qt file for Qt's own dialogs is not an error.
bool InstallInterfaceTranslation(int index, QString *error = nullptr);

// The index installed last (0 before the first call).
int InstalledInterfaceLanguage();

// The full path of the program's translation file for an index (empty for English).
QString ProgramTranslationFile(int index);

// Where one translated text came from: the arguments of its translate() call.
struct TTranslationSource {
    QByteArray context;
    QByteArray source;
    QByteArray disambiguation;
    int n = -1;

    bool operator==(const TTranslationSource &other) const
    {
        return n == other.n && context == other.context && source == other.source &&
               disambiguation == other.disambiguation;
    }
};

// Every source that has produced this exact text in this run, in any language.
QList<TTranslationSource> SourcesOfTranslatedText(const QString &text);

// The text of a source in the language installed now.
QString TranslateSource(const TTranslationSource &source);
