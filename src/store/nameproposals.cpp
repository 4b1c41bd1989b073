#include "store/nameproposals.h"

#include "base/numberformat.h"

#include <QCoreApplication>

namespace
{

// The part of a name after its last "_", or the whole name when it has none.
QString numberPart(const QString &name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('_')) + 1);
}

// Parses a plain run of decimal digits; anything else (sign, blanks, letters,
// empty text) is not a number here.
std::optional<qint64> parseNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toLongLong();
}

QString twoDigits(qint64 n)
{
    return n < 10 ? QStringLiteral("0%1").arg(n) : QString::number(n);
}

TNameProposal failure(const QString &error)
{
    return TNameProposal{QString(), error};
}

} // namespace

TNameProposal ProposeSiteName(const std::optional<QString> &greatestName)
{
    if (!greatestName)
        return TNameProposal{QStringLiteral("Location_01"), QString()};
    const std::optional<qint64> n = parseNumber(numberPart(*greatestName));
    if (!n)
        return failure(QCoreApplication::translate(
                           "NameProposals",
                           "'%1' is not a valid integer value: the site name \"%2\" does not end "
                           "in a number.")
                           .arg(numberPart(*greatestName), *greatestName));
    if (*n + 1 > MaxNumberedItems)
        return failure(
            QCoreApplication::translate("NameProposals", "An owner can have at most %1 sites.")
                .arg(MaxNumberedItems));
    return TNameProposal{QStringLiteral("Location_") + twoDigits(*n + 1), QString()};
}

TNameProposal ProposePlacementRef(const QString &siteName,
                                  const std::optional<QString> &greatestRef)
{
    if (!greatestRef)
        return TNameProposal{
            QStringLiteral("Loc") + numberPart(siteName) + QStringLiteral("-Ant01"), QString()};
    const QString &ref = *greatestRef;
    int split = -1;
    for (int i = ref.size() - 1; i >= 0; --i) {
        const QChar c = ref.at(i);
        if (c == QLatin1Char('A') || c == QLatin1Char('n') || c == QLatin1Char('t')) {
            split = i;
            break;
        }
    }
    const QString prefix = ref.left(split + 1);
    const QString tail = ref.mid(split + 1);
    const std::optional<qint64> n = parseNumber(tail);
    if (!n)
        return failure(QCoreApplication::translate(
                           "NameProposals",
                           "'%1' is not a valid integer value: the placement reference \"%2\" "
                           "does not end in a number.")
                           .arg(tail, ref));
    if (*n + 1 > MaxNumberedItems)
        return failure(QCoreApplication::translate("NameProposals",
                                                   "A site can have at most %1 antenna placements.")
                           .arg(MaxNumberedItems));
    return TNameProposal{prefix + twoDigits(*n + 1), QString()};
}

QString JoinPlacementRefs(const QStringList &refs)
{
    if (refs.size() <= 1)
        return refs.value(0);
    return refs.mid(0, refs.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" & ") +
           refs.last() + QLatin1Char('.');
}

double RoundBandCenter(double centerMHz)
{
    // The program's one rounding rule: a decimal half (3,65) goes to the even
    // neighbour even where binary floating point holds it a hair off.
    return RoundHalfEven(centerMHz, 1);
}
