#pragma once

#include <QString>
#include <QVariant>
#include <optional>

// Per-user preferences, kept with QSettings (organisation "Qiv", application "Vlm").
// A sub key such as "\Preferences" names a settings group; backslashes separate levels.
//
// Each value remembers the kind it was written with, so that a later write of kind
// PreferenceKeepType can keep it and a read gives integers back as integers.

enum PreferenceType {
    PreferenceKeepType = 0, // keep the kind the value already has
    PreferenceString = 1,
    PreferenceExpandString = 2,
    PreferenceInteger = 3,
    PreferenceBinary = 4, // the bytes of the value's text
};

// The sub key and value names used by the program, in one place.
namespace PreferenceKeys
{
inline const QString SubKey = QStringLiteral("\\Preferences");
inline const QString DbPath = QStringLiteral("DbPath");
inline const QString OwnerLan = QStringLiteral("OwnerLan");
} // namespace PreferenceKeys

struct PreferenceResult {
    bool ok = true;
    QString error; // the reason when !ok
};

// Reads a value: text for string kinds, an int for integers, a QByteArray for raw
// bytes. A missing key or value gives an invalid QVariant (0 as int, "" as text).
QVariant ReadPreference(const QString &subKey, const QString &valueName);

// Writes a value of the given PreferenceType, creating the key when missing.
// An unknown type, or PreferenceKeepType for a value that does not exist yet,
// gives the error "The configuration registry key is invalid."; a store that
// cannot be written gives its own error text.
PreferenceResult WritePreference(const QString &subKey, const QString &valueName, int dataType,
                                 const QVariant &value);

// Points the preferences at an INI file (tests); an empty text restores the
// user's own settings store.
void SetPreferenceFile(const QString &iniFile);

// The typed wrapper that the program uses for its two preferences.
class TPreferences
{
public:
    // Folder of the main database with its trailing separator; empty when not stored.
    static QString dbPath();
    static PreferenceResult setDbPath(const QString &folder);

    // Interface language index, or nothing when no value is stored.
    static std::optional<int> ownerLan();
    static PreferenceResult setOwnerLan(int languageIndex);
};
