#include "shell/interfacelanguage.h"

#include "base/currentselection.h"
#include "base/preferences.h"

int InterfaceLanguageFor(std::optional<int> stored, QLocale::Language systemLanguage)
{
    if (stored)
        return *stored;
    switch (systemLanguage) {
    case QLocale::German:
        return 3;
    case QLocale::French:
        return 2;
    case QLocale::Dutch:
        return 1;
    default:
        return 0;
    }
}

int DetermineInterfaceLanguage(QLocale::Language systemLanguage, QString *writeError)
{
    const int index = InterfaceLanguageFor(TPreferences::ownerLan(), systemLanguage);
    const PreferenceResult written = TPreferences::setOwnerLan(index);
    if (writeError)
        *writeError = written.ok ? QString() : written.error;
    CurrentSelection().interfaceLanguage = index;
    return index;
}
