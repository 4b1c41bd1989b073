#include "exposure/ui/inputfieldfilter.h"

#include "base/numberformat.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace
{

const char *const KindProperty = "vlmInputKind";
constexpr QChar ControlB(2);

void paint(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

// The character a number field takes for a typed one; a null QChar refuses it.
QChar acceptedChar(QChar typed, TInputFieldFilter::Kind kind)
{
    switch (kind) {
    case TInputFieldFilter::DecimalNumber:
        return FilterNumberKey(typed, true);
    case TInputFieldFilter::SignedDecimal:
        return typed == QLatin1Char('-') ? typed : FilterNumberKey(typed, true);
    case TInputFieldFilter::WholeNumber:
        return FilterNumberKey(typed, false);
    default:
        return typed;
    }
}

// The next control in the tab chain that can take the focus.
void focusNext(QWidget *control)
{
    QWidget *next = control->nextInFocusChain();
    while (next && next != control) {
        if (next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::TabFocus) &&
            !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
        next = next->nextInFocusChain();
    }
}

} // namespace

TInputFieldFilter::TInputFieldFilter(QObject *parent) : QObject(parent) {}

QColor TInputFieldFilter::focusColour()
{
    return QColor(189, 238, 166);
}

QColor TInputFieldFilter::idleColour()
{
    return QColor(247, 235, 198);
}

void TInputFieldFilter::watch(QWidget *control, Kind kind)
{
    control->setProperty(KindProperty, int(kind));
    control->installEventFilter(this);
    control->setAutoFillBackground(true);
    paint(control, idleColour());
}

bool TInputFieldFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        paint(control, focusColour());
        emit focusEntered(control);
        break;
    case QEvent::FocusOut:
        paint(control, idleColour());
        emit focusLeft(control);
        break;
    case QEvent::KeyPress:
        return filterKey(control, static_cast<QKeyEvent *>(event));
    default:
        break;
    }
    return false;
}

bool TInputFieldFilter::filterKey(QWidget *control, QKeyEvent *key)
{
    const Kind kind = Kind(control->property(KindProperty).toInt());
    const bool advances = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                          (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) ||
                          (key->text().size() == 1 && key->text().at(0) == ControlB);
    if (advances) {
        if (kind != AnyText)
            emit numberFieldAdvanced(control);
        focusNext(control);
        emit advanced(control);
        return true;
    }
    if (kind == AnyText)
        return false;
    // Only characters are filtered; editing and moving keys (backspace,
    // arrows, delete) pass.
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier))
        return false;
    if (qobject_cast<QComboBox *>(control) && kind == WholeNumber)
        return !text.at(0).isDigit(); // a lookup list takes digits to search, nothing else
    const QChar accepted = acceptedChar(text.at(0), kind);
    if (accepted.isNull())
        return true;
    auto *edit = qobject_cast<QLineEdit *>(control);
    // A second "," or a "-" anywhere but in front would make no number.
    if (edit &&
        !IsTypedNumber(TextAfterTyping(edit->text(), edit->cursorPosition(), edit->selectionStart(),
                                       int(edit->selectedText().size()), accepted),
                       kind != WholeNumber, kind == SignedDecimal))
        return true;
    if (accepted != text.at(0)) {
        if (edit)
            edit->insert(QString(accepted));
        return true;
    }
    return false;
}
