#include "pages/ui/userdataentryfilter.h"

#include "pages/userdatarules.h"
#include "shell/ui/tcolor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace
{
constexpr int EntryColour = 13036535;
constexpr int FocusColour = 10940093;
const char RuleProperty[] = "vlmEntryRule";

bool isDigit(const QString &text)
{
    return text.size() == 1 && text.at(0).isDigit();
}
} // namespace

void TUserDataEntryFilter::watch(QWidget *control, Rule rule)
{
    control->setProperty(RuleProperty, int(rule));
    control->installEventFilter(this);
    paint(control, false);
}

void TUserDataEntryFilter::paint(QWidget *control, bool focused)
{
    QPalette palette = control->palette();
    const QColor colour = ColourFromValue(focused ? FocusColour : EntryColour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    control->setPalette(palette);
}

bool TUserDataEntryFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    const auto rule = static_cast<Rule>(control->property(RuleProperty).toInt());
    switch (event->type()) {
    case QEvent::FocusIn:
        paint(control, true);
        return false;
    case QEvent::FocusOut:
        paint(control, false);
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }

    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool tab = key->key() == Qt::Key_Tab;
    if (tab || (enter && rule != Memo)) {
        if (rule == ZipDigits)
            emit edited();
        // The page's own order of controls, from the control that has the key.
        if (QWidget *next = control->nextInFocusChain()) {
            while (next != control && (!(next->focusPolicy() & Qt::TabFocus) ||
                                       !next->isVisible() || !next->isEnabled()))
                next = next->nextInFocusChain();
            next->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    if (rule == PhoneDigits || rule == ZipDigits) {
        if (key->key() == Qt::Key_Backspace) {
            if (rule == PhoneDigits)
                emit edited();
            return false;
        }
        // Moving keys (arrows, Home, Delete...) carry no text and pass.
        if (key->text().isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool accepted = rule == PhoneDigits ? key->text().size() == 1 &&
                                                        IsPhoneNumberCharacter(key->text().at(0))
                                                  : isDigit(key->text());
        if (!accepted)
            return true; // dropped
        if (rule == PhoneDigits)
            emit edited();
    }
    return false;
}
