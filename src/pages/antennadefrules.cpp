#include "pages/antennadefrules.h"

#include "base/numberformat.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString NextCatalogueSort(const QString &currentSort, const QString &field)
{
    if (currentSort.startsWith(field) && !currentSort.contains(QLatin1String(" DESC")))
        return field + QLatin1String(" DESC");
    return field + QLatin1String(" ASC");
}

bool IsDescendingSort(const QString &sortText)
{
    return sortText.contains(QLatin1String(" DESC"));
}

bool IsAcceptedTilt(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!whole.match(text).hasMatch())
        return false;
    return text.toLongLong() <= 45;
}

TPlacementLayout PlacementLayout(int placementCount, int siteCount, bool editing)
{
    TPlacementLayout layout;
    const bool hasPlacements = placementCount > 0;
    layout.siteSelector = siteCount > 1;
    layout.placementFields = editing || hasPlacements;
    layout.configurationGrid = hasPlacements;
    layout.saveCancelEnabled = editing;
    layout.addEnabled = !editing;
    layout.deleteEnabled = !editing && hasPlacements;
    return layout;
}

TPatternRange PatternRange(const QVector<double> &values)
{
    TPatternRange range{65535, -65535};
    for (const double v : values) {
        if (v < range.low)
            range.low = v;
        if (v > range.high)
            range.high = v;
    }
    if (values.isEmpty())
        return TPatternRange{0, 1};
    if (range.high <= range.low)
        range.low = range.high - 1;
    return range;
}

bool IsStorableNumber(const QString &text)
{
    return text.trimmed().isEmpty() || ParseNumber(text.trimmed()).has_value();
}

QString NumberFieldMessage(const QString &caption)
{
    return QCoreApplication::translate("TfraAntennaDef",
                                       "There is no correct value for the \"%1\" field !")
        .arg(caption);
}
