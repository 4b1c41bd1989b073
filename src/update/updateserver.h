#pragma once

#include <QString>
#include <QUrl>

// The maker's server: one base URL for the update files. The environment variable
// VLM_SERVER (for example "http://127.0.0.1:8080") overrides the preference
// "UpdateServer" in "\Preferences", which overrides the address built into the
// program (CMake cache variable VLM_DEFAULT_UPDATE_SERVER). Values that are not
// absolute http or https addresses are passed over.

namespace UpdateServerKeys
{
inline const QString Environment = QStringLiteral("VLM_SERVER");
inline const QString Preference = QStringLiteral("UpdateServer");
inline const QString InfoFilePath = QStringLiteral("/vlmupdates/Vlm.inf");
} // namespace UpdateServerKeys

// The address built into the program.
QString DefaultUpdateServer();

// The first usable base URL of environment value, preference value and default.
QUrl ResolveUpdateServer(const QString &environmentValue, const QString &preferenceValue,
                         const QString &defaultValue);

// The base URL in force now (environment, preferences, built-in default).
QUrl UpdateServerUrl();

// base + path, with exactly one "/" between the base's own path and the given one.
QUrl ServerFileUrl(const QUrl &base, const QString &path);

// The address of the self-update information file on the server in force.
QUrl UpdateInfoUrl();
