#include "update/updateinfo.h"

#include <QMap>
#include <QStringList>

namespace
{
UpdateInfoParse malformed(const QString &why)
{
    UpdateInfoParse result;
    result.error = why;
    return result;
}
} // namespace

UpdateInfoParse ParseUpdateInfo(const QByteArray &content, const QUrl &infoUrl)
{
    if (content.size() > MaxUpdateInfoSize)
        return malformed(QStringLiteral("file larger than %1 bytes").arg(MaxUpdateInfoSize));
    QString text = QString::fromUtf8(content);
    if (text.contains(QChar::ReplacementCharacter) || text.contains(QChar::Null))
        return malformed(QStringLiteral("not UTF-8 text"));
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);

    QMap<QString, QString> values;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return malformed(QStringLiteral("line %1 is not Key=Value").arg(i + 1));
        const QString key = line.left(equals).trimmed().toLower();
        if (values.contains(key))
            return malformed(QStringLiteral("%1 given twice").arg(key));
        values.insert(key, line.mid(equals + 1).trimmed());
    }

    const auto version = VersionNumber::parse(values.value(QStringLiteral("version")));
    if (!version)
        return malformed(QStringLiteral("missing or invalid Version"));

    const QString address = values.value(QStringLiteral("download"));
    if (address.isEmpty())
        return malformed(QStringLiteral("missing Download"));
    const QUrl reference(address, QUrl::StrictMode);
    if (!reference.isValid())
        return malformed(QStringLiteral("Download is not a valid address"));
    const QUrl download = infoUrl.resolved(reference);
    const QString scheme = download.scheme().toLower();
    if (!download.isValid() || download.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return malformed(QStringLiteral("Download is not an http or https address"));

    UpdateInfoParse result;
    result.ok = true;
    result.info.version = *version;
    result.info.download = download;
    return result;
}
