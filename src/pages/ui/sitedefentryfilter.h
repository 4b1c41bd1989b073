#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;
class QWidget;

// Keys and focus colours of the input controls of the site and antenna pages.
// Enter and Tab move the focus to the next control and are never inserted; a
// number field drops every character it does not accept; a control is light
// green while it has the focus and cream otherwise.
class TEntryFieldFilter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEntryFieldFilter)

public:
    enum Kind {
        AnyText,       // every character
        Digits,        // digits only, up to the field's maximum length
        Decimal,       // digits and ","; "." becomes ","
        SignedDecimal, // digits, "," and "-"; "." becomes ","
    };

    explicit TEntryFieldFilter(QObject *parent = nullptr);

    // Installs the filter on a control and paints it cream.
    void watch(QWidget *control, Kind kind = AnyText);

    static QColor focusColour(); // 10940093
    static QColor idleColour();  // 13036535

    // Gives the focus to the next visible, enabled control of the focus chain.
    static void focusNextControl(QWidget *from);

signals:
    void focusEntered(QWidget *control);
    // Not sent when the focus leaves for another window or a popup.
    void focusLeft(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refuseKey(QLineEdit *edit, Kind kind, const QKeyEvent *key) const;
};
