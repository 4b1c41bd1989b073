#include "exposure/ui/ctplistmodel.h"

#include "exposure/ctprowcolour.h"
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/limits.h"
#include "shell/ui/tcolor.h"

#include <QColor>
#include <array>
#include <utility>

namespace
{

// The combined column takes its width from the description, so that the list
// keeps the width it had.
const std::array<int, EvaluationColumnCount> Widths = {60, 70, 80, 40, 50, 100, 230, 70, 130};

} // namespace

TCtpListModel::TCtpListModel(QObject *parent) : QAbstractTableModel(parent) {}

void TCtpListModel::setEvaluation(TEvaluation evaluation)
{
    beginResetModel();
    m_evaluation = std::move(evaluation);
    m_rowColour.resize(m_evaluation.count());
    int colour = 0;
    for (int r = 0; r < m_evaluation.count(); ++r) {
        colour = CtpRowColourIndex(m_evaluation.reference[r], colour);
        m_rowColour[r] = colour;
    }
    endResetModel();
}

void TCtpListModel::retranslate()
{
    RetranslateLines(m_evaluation);
    if (m_evaluation.count() > 0)
        emit dataChanged(index(0, 0), index(m_evaluation.count() - 1, EvaluationColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, EvaluationColumnCount - 1);
}

QString TCtpListModel::columnCaption(int column)
{
    switch (column) {
    case ColumnReference:
        return tr("CTP");
    case ColumnSite:
        return tr("Location");
    case ColumnAntenna:
        return tr("Antenna");
    case ColumnDistance:
        return tr("Dist.");
    case ColumnHeight:
        return tr("Height");
    case ColumnSpaceAtt:
        return tr("Spacial Att.");
    case ColumnDescription:
        return tr("Description");
    case ColumnField:
        return tr("Field     ");
    case ColumnCombined:
        return tr("% of limit (together)");
    default:
        return QString();
    }
}

int TCtpListModel::columnWidth(int column)
{
    return column >= 0 && column < EvaluationColumnCount ? Widths[column] : 0;
}

QVector<int> TCtpListModel::columnWidths()
{
    return QVector<int>(Widths.begin(), Widths.end());
}

int TCtpListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_evaluation.count();
}

int TCtpListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : EvaluationColumnCount;
}

QVariant TCtpListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_evaluation.count())
        return QVariant();
    const int r = index.row();
    const int c = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_evaluation.lines[r][c];
    case Qt::BackgroundRole: {
        const int verdict = m_evaluation.verdict[r];
        if (c == ColumnField && verdict >= 1 && verdict <= 4)
            return ColourFromValue(VerdictColour(verdict));
        if (c == ColumnCombined) {
            const TPointExposure &point = m_evaluation.points[m_evaluation.pointOfEntry[r]];
            if (point.firstEntry == r && point.complete && point.summed > 0)
                return ColourFromValue(VerdictColour(QuotientVerdict(point.quotient)));
        }
        return ColourFromValue(CtpRowColours[m_rowColour[r]]);
    }
    case Qt::ToolTipRole:
        if (c == ColumnField && m_evaluation.verdict[r] == VerdictNone)
            return NoLimitNote();
        return QVariant();
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole:
        return c == ColumnField || c == ColumnCombined ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return QVariant();
    }
}

QVariant TCtpListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return columnCaption(section);
    if (role == Qt::TextAlignmentRole && (section == ColumnField || section == ColumnCombined))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}
