#include "exposure/pointrules.h"

#include "base/numberformat.h"

#include <QCoreApplication>
#include <climits>

int ValidatePoint(const QString &distance, const QString &height, const QString &description)
{
    const double d = NumberOrZero(distance);
    const double h = NumberOrZero(height);
    int rule = PointValid;
    // A description of blanks only describes nothing.
    if (description.trimmed().isEmpty())
        rule = PointRuleDescription;
    if (h < -350 || h > 350)
        rule = PointRuleHeight;
    if (d < 0 || d > 2500)
        rule = PointRuleDistance;
    if (d == 0)
        rule = PointRuleNoDistance;
    return rule;
}

QString PointRuleCaption()
{
    return QCoreApplication::translate("PointRules", "Critical Test Points");
}

QString PointRuleMessage(int rule)
{
    switch (rule) {
    case PointRuleNoDistance:
        return QCoreApplication::translate(
            "PointRules", "0 or nothing is not a valid distance ! Please enter a new value...");
    case PointRuleDistance:
        return QCoreApplication::translate("PointRules",
                                           "Please enter a realistic \"Distance\" value...");
    case PointRuleHeight:
        return QCoreApplication::translate("PointRules",
                                           "Please enter a realistic \"Height\" value...");
    case PointRuleDescription:
        return QCoreApplication::translate(
            "PointRules", "You should enter a description of the Critical Test Piont...");
    default:
        return QString();
    }
}

QString PointReference(int n)
{
    return QStringLiteral("CTP_") + (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n);
}

TOpResult<QString> NextPointReference(const QStringList &references)
{
    if (references.isEmpty())
        return TOpResult<QString>::success(PointReference(1));
    qint64 highest = LLONG_MIN;
    for (const QString &ref : references) {
        const QString number = ref.mid(ref.lastIndexOf(QLatin1Char('_')) + 1);
        bool ok = false;
        const int n = number.toInt(&ok);
        if (!ok)
            return TOpResult<QString>::failure(
                QCoreApplication::translate("PointRules",
                                            "The reference \"%1\" does not end in a number.")
                    .arg(ref));
        highest = qMax<qint64>(highest, n);
    }
    if (highest >= INT_MAX)
        return TOpResult<QString>::failure(
            QCoreApplication::translate("PointRules", "No reference is left after \"%1\".")
                .arg(PointReference(int(highest))));
    // Numbers below 1 ("CTP_00") still lead to the first reference.
    return TOpResult<QString>::success(PointReference(qMax(int(highest) + 1, 1)));
}
