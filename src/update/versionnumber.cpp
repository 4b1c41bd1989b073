#include "update/versionnumber.h"

#include <QStringList>

VersionNumber::VersionNumber(quint32 major, quint32 minor, quint32 patch, quint32 build)
    : m_parts{major, minor, patch, build}
{
}

std::optional<VersionNumber> VersionNumber::parse(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 4)
        return std::nullopt;
    VersionNumber version;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part.isEmpty() || part.size() > 9)
            return std::nullopt;
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        }
        version.m_parts[static_cast<size_t>(i)] = part.toUInt();
    }
    return version;
}

QString VersionNumber::toString() const
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(m_parts[0])
        .arg(m_parts[1])
        .arg(m_parts[2])
        .arg(m_parts[3]);
}
