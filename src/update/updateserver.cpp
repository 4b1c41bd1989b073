#include "update/updateserver.h"

#include "base/preferences.h"
#include "update/updatedefaults.h"

#include <QtGlobal>

namespace
{
QUrl usableBase(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    return url;
}
} // namespace

QString DefaultUpdateServer()
{
    return QStringLiteral(VLM_DEFAULT_UPDATE_SERVER);
}

QUrl ResolveUpdateServer(const QString &environmentValue, const QString &preferenceValue,
                         const QString &defaultValue)
{
    for (const QString &candidate : {environmentValue, preferenceValue, defaultValue}) {
        const QUrl url = usableBase(candidate);
        if (url.isValid() && !url.isEmpty())
            return url;
    }
    return {};
}

QUrl UpdateServerUrl()
{
    return ResolveUpdateServer(
        qEnvironmentVariable(qPrintable(UpdateServerKeys::Environment)),
        ReadPreference(PreferenceKeys::SubKey, UpdateServerKeys::Preference).toString(),
        DefaultUpdateServer());
}

QUrl ServerFileUrl(const QUrl &base, const QString &path)
{
    QUrl url = base;
    QString basePath = base.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    QString tail = path;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    url.setPath(basePath + QLatin1Char('/') + tail);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

QUrl UpdateInfoUrl()
{
    return ServerFileUrl(UpdateServerUrl(), UpdateServerKeys::InfoFilePath);
}
