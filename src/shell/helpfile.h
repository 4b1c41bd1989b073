#pragma once

#include <QString>

// The application's help file, chosen by interface language:
// 0 "Help/MANUAL_EN.HLP", 1 "Help/MANUAL_NL.HLP", 2 and 3 "Help/MANUAL_FR.HLP";
// another index takes the Dutch manual when it exists and otherwise keeps the
// current file. Paths are full paths in the program's folder.
QString HelpFileForLanguage(int languageIndex, const QString &currentFile);

// Sets the application's help file for the language.
void SelectHelpFile(int languageIndex);
QString ApplicationHelpFile();
void SetApplicationHelpFile(const QString &path);
