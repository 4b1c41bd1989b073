#include "base/preferences.h"

#include <QCoreApplication>
#include <QSettings>
#include <memory>

namespace
{
// The kind of every value is kept beside it in this parallel group, by the same path.
const QString TypeGroup = QStringLiteral("PreferenceTypes");

QString &preferenceFile()
{
    static QString file;
    return file;
}

std::unique_ptr<QSettings> openStore()
{
    if (!preferenceFile().isEmpty())
        return std::make_unique<QSettings>(preferenceFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Qiv"), QStringLiteral("Vlm"));
}

// "\Preferences" -> "Preferences", "\A\B" -> "A/B".
QString groupOf(const QString &subKey)
{
    QStringList parts = subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('/'));
}

QString pathOf(const QString &group, const QString &valueName)
{
    return group.isEmpty() ? valueName : group + QLatin1Char('/') + valueName;
}

QString invalidKeyText()
{
    return QCoreApplication::translate("Preferences", "The configuration registry key is invalid.");
}

QString storeErrorText(QSettings::Status status, const QString &file)
{
    if (status == QSettings::AccessError)
        return QCoreApplication::translate("Preferences", "Access is denied: %1").arg(file);
    return QCoreApplication::translate("Preferences", "The preferences file is damaged: %1")
        .arg(file);
}
} // namespace

void SetPreferenceFile(const QString &iniFile)
{
    preferenceFile() = iniFile;
}

QVariant ReadPreference(const QString &subKey, const QString &valueName)
{
    auto store = openStore();
    const QString path = pathOf(groupOf(subKey), valueName);
    if (!store->contains(path))
        return QVariant();
    const QVariant raw = store->value(path);
    switch (store->value(pathOf(TypeGroup, path)).toInt()) {
    case PreferenceInteger: {
        bool ok = false;
        const int number = raw.toString().toInt(&ok);
        return ok ? QVariant(number) : QVariant(0);
    }
    case PreferenceBinary:
        return raw.toByteArray();
    default:
        return raw.toString();
    }
}

PreferenceResult WritePreference(const QString &subKey, const QString &valueName, int dataType,
                                 const QVariant &value)
{
    auto store = openStore();
    const QString path = pathOf(groupOf(subKey), valueName);
    const QString typePath = pathOf(TypeGroup, path);

    int kind = dataType;
    if (kind == PreferenceKeepType) {
        // A value that does not exist has no kind to keep.
        kind = store->contains(path) ? store->value(typePath, PreferenceString).toInt() : -1;
    }

    QVariant stored;
    switch (kind) {
    case PreferenceString:
    case PreferenceExpandString:
        stored = value.toString();
        break;
    case PreferenceInteger:
        stored = value.toInt();
        break;
    case PreferenceBinary:
        stored = value.toString().toUtf8();
        break;
    default:
        return {false, invalidKeyText()};
    }

    store->setValue(path, stored);
    store->setValue(typePath, kind);
    store->sync();
    if (store->status() != QSettings::NoError)
        return {false, storeErrorText(store->status(), store->fileName())};
    return {};
}

QString TPreferences::dbPath()
{
    return ReadPreference(PreferenceKeys::SubKey, PreferenceKeys::DbPath).toString();
}

PreferenceResult TPreferences::setDbPath(const QString &folder)
{
    return WritePreference(PreferenceKeys::SubKey, PreferenceKeys::DbPath, PreferenceString,
                           folder);
}

std::optional<int> TPreferences::ownerLan()
{
    const QVariant value = ReadPreference(PreferenceKeys::SubKey, PreferenceKeys::OwnerLan);
    if (!value.isValid())
        return std::nullopt;
    return value.toInt();
}

PreferenceResult TPreferences::setOwnerLan(int languageIndex)
{
    return WritePreference(PreferenceKeys::SubKey, PreferenceKeys::OwnerLan, PreferenceInteger,
                           languageIndex);
}
