#include "pages/ui/postcodetyping.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

namespace
{
constexpr int PostcodeLength = 4;
} // namespace

TPostcodeTyping::TPostcodeTyping(QComboBox *zipBox, RowSource rows)
    : QObject(zipBox), m_box(zipBox), m_rows(std::move(rows))
{
    zipBox->installEventFilter(this);
}

bool TPostcodeTyping::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    if (event->type() == QEvent::FocusIn) {
        m_digits.clear();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key->key() == Qt::Key_Backspace) {
        m_digits.chop(1);
        show();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || text.at(0) < QLatin1Char('0') || text.at(0) > QLatin1Char('9'))
        return false;
    // A digit that fits no postcode after the others starts a new one, so that
    // a slip never blocks the postcodes typed after it.
    QString digits = (m_digits.size() >= PostcodeLength ? QString() : m_digits) + text;
    if (PostcodeRowForDigits(m_rows(), digits) < 0)
        digits = text;
    m_digits = digits;
    show();
    return true;
}

void TPostcodeTyping::show()
{
    const int row = PostcodeRowForDigits(m_rows(), m_digits);
    if (row < 0 || row >= m_box->count())
        return; // no postcode starts so: the box keeps what it shows
    if (m_box->currentIndex() != row)
        m_box->setCurrentIndex(row);
    emit picked(row);
}
