#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The interface language index: 0 English, 1 Dutch, 2 French, 3 German.

// A stored index wins (0 included); without one the system language decides:
// German 3, French 2, Dutch 1, anything else 0.
int InterfaceLanguageFor(std::optional<int> stored, QLocale::Language systemLanguage);

// Reads OwnerLan (falling back to the system's language), writes the index back
// as OwnerLan, stores it in CurrentSelection and returns it. When the preference
// cannot be written, *writeError (if given) receives the reason; the language
// still holds for this run.
int DetermineInterfaceLanguage(QLocale::Language systemLanguage = QLocale::system().language(),
                               QString *writeError = nullptr);
