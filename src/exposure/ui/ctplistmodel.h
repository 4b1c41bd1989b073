#pragma once

#include "exposure/evaluation.h"

#include <QAbstractTableModel>
#include <QVector>

// The rows of the critical-test-points overview: the evaluation's list lines,
// painted with the colour of their reference and, in the field column, the
// colour of their verdict. The model holds the evaluation it shows, so that a
// list of ten thousand entries is shown without copying into items.
class TCtpListModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TCtpListModel)

public:
    explicit TCtpListModel(QObject *parent = nullptr);

    void setEvaluation(TEvaluation evaluation);
    // Writes the texts of the cells again in the interface language of the moment.
    void retranslate();
    const TEvaluation &evaluation() const { return m_evaluation; }

    // Column captions and on-screen widths in pixels (also the printed proportions).
    static QString columnCaption(int column);
    static int columnWidth(int column);
    static QVector<int> columnWidths();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    TEvaluation m_evaluation;
    QVector<int> m_rowColour; // index into CtpRowColours per row
};
