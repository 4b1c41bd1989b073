#include "reports/letterlayout.h"

#include "reports/placeholders.h"

#include <algorithm>

namespace
{
// The file name without its folder; both separators count, since a folder typed on
// another system may use either.
QString bareFileName(const QString &path)
{
    const int slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}
} // namespace

QString LetterDateLine(const QString &city, const QDate &today)
{
    return city + QStringLiteral(", ") + today.toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(".");
}

QStringList SenderLines(const TOwnerLetterData &owner)
{
    QStringList lines;
    lines << owner.firstName + QStringLiteral(" ") + owner.name + QStringLiteral(" (") +
                 owner.call + QStringLiteral(")");
    lines << owner.address1;
    if (!owner.address2.trimmed().isEmpty())
        lines << owner.address2;
    lines << owner.zip + QStringLiteral(" ") + owner.city;
    return lines;
}

QStringList RegulatorLines(const TRegulatorAddress &address)
{
    return {address.name + QStringLiteral(" - ") + address.service, address.address2,
            address.address1, address.zip + QStringLiteral("  ") + address.city};
}

QString SignatureLine(const TOwnerLetterData &owner)
{
    return owner.firstName + QStringLiteral(" ") + owner.name;
}

QStringList ReplaceLetterCall(const QStringList &lines, const QString &call)
{
    QStringList out;
    out.reserve(lines.size());
    for (const QString &line : lines)
        out << ReplacePlaceholder(line, QStringLiteral("<CALL>"), LetterCall(call));
    return out;
}

QStringList CoverLetterBody(const QStringList &templateLines, const TOwnerLetterData &owner,
                            const QStringList &terrainLines, const QStringList &files)
{
    static const QString certInfo = QStringLiteral("<CERT_INFO>");
    static const QString fileInfo = QStringLiteral("<FILE_INFO>");
    QStringList body;
    for (const QString &templateLine : templateLines) {
        QString line =
            ReplacePlaceholder(templateLine, QStringLiteral("<CALL>"), LetterCall(owner.call));
        if (line.contains(certInfo)) {
            line.remove(certInfo);
            for (const QString &t : terrainLines)
                body << QStringLiteral("   ") + t;
        }
        if (line.contains(fileInfo)) {
            line.remove(fileInfo);
            for (const QString &f : files)
                body << QStringLiteral("      ") + bareFileName(f);
        }
        body << line;
    }
    body << QString() << QString() << SignatureLine(owner);
    return body;
}
