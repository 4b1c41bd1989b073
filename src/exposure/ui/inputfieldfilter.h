#pragma once

#include <QObject>

class QWidget;

// The keys and focus colours of the input controls of the exposure pages.
// Enter, Tab and the control character 2 move the focus to the next control
// and are never inserted; the accepted characters depend on the kind; a
// control is light green while it has the focus and cream otherwise.
class TInputFieldFilter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TInputFieldFilter)

public:
    enum Kind {
        AnyText,       // every character
        DecimalNumber, // digits and ","; "." becomes ","
        SignedDecimal, // digits, "," and "-"; "." becomes ","
        WholeNumber,   // digits only
    };

    explicit TInputFieldFilter(QObject *parent = nullptr);

    // Installs the filter on a control and paints it cream.
    void watch(QWidget *control, Kind kind);

    static QColor focusColour(); // (189, 238, 166)
    static QColor idleColour();  // (247, 235, 198)

signals:
    // The focus moved on from a control by Enter, Tab or character 2.
    void advanced(QWidget *control);
    // A control of a number kind took a key that moves the focus on.
    void numberFieldAdvanced(QWidget *control);
    void focusEntered(QWidget *control);
    void focusLeft(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(QWidget *control, class QKeyEvent *key);
};
