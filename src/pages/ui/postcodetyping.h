#pragma once

#include "store/postcodes.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

class QComboBox;

// Typing a postcode into a closed Zip lookup. The digits build up one postcode
// however slowly they come (a fifth digit, or one that fits no postcode after
// the others, starts the next one), Backspace takes
// the last digit back, and the box shows the main town of the postcode typed
// so far (PostcodeRowForDigits), never a "no town yet" row. Entering the box
// starts a new postcode. Other keys go on to the box's other filters.
class TPostcodeTyping : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPostcodeTyping)

public:
    using RowSource = std::function<QVector<TPostcodeRow>()>;

    // Watches zipBox; rows gives the lookup's rows in the box's order.
    TPostcodeTyping(QComboBox *zipBox, RowSource rows);

    QString typedDigits() const { return m_digits; }

signals:
    // The typed digits chose this row (the box shows it already).
    void picked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    QComboBox *m_box;
    RowSource m_rows;
    QString m_digits;
};
