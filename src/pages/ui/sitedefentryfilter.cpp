#include "pages/ui/sitedefentryfilter.h"

#include "base/numberformat.h"
#include "shell/ui/tcolor.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace
{
const char *const KindProperty = "vlmEntryKind";

void paint(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    control->setPalette(p);
}
} // namespace

TEntryFieldFilter::TEntryFieldFilter(QObject *parent) : QObject(parent) {}

QColor TEntryFieldFilter::focusColour()
{
    return ColourFromValue(10940093);
}

QColor TEntryFieldFilter::idleColour()
{
    return ColourFromValue(13036535);
}

void TEntryFieldFilter::watch(QWidget *control, Kind kind)
{
    control->setProperty(KindProperty, int(kind));
    control->installEventFilter(this);
    paint(control, idleColour());
}

void TEntryFieldFilter::focusNextControl(QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TEntryFieldFilter::refuseKey(QLineEdit *edit, Kind kind, const QKeyEvent *key) const
{
    const QString text = key->text();
    if (kind == AnyText || text.size() != 1 || !text.at(0).isPrint())
        return false;
    const QChar typed = text.at(0);
    if (kind == Digits) {
        const bool full = edit->text().size() >= edit->maxLength() && !edit->hasSelectedText();
        return !typed.isDigit() || full;
    }
    const QChar accepted =
        kind == SignedDecimal && typed == QLatin1Char('-') ? typed : FilterNumberKey(typed, true);
    if (accepted.isNull())
        return true;
    // A second "," or a "-" anywhere but in front would make no number.
    const QString after =
        TextAfterTyping(edit->text(), edit->cursorPosition(), edit->selectionStart(),
                        int(edit->selectedText().size()), accepted);
    if (!IsTypedNumber(after, true, kind == SignedDecimal))
        return true;
    if (accepted != typed) { // "." typed: write the program's decimal separator
        edit->insert(QString(accepted));
        return true;
    }
    return false;
}

bool TEntryFieldFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Tab) {
            focusNextControl(control);
            return true;
        }
        auto *edit = qobject_cast<QLineEdit *>(control);
        const Kind kind = Kind(control->property(KindProperty).toInt());
        return edit && refuseKey(edit, kind, key);
    }
    case QEvent::FocusIn:
        paint(control, focusColour());
        emit focusEntered(control);
        break;
    case QEvent::FocusOut: {
        paint(control, idleColour());
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit focusLeft(control);
        break;
    }
    default:
        break;
    }
    return false;
}
