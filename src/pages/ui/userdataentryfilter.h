#pragma once

#include <QObject>

class QWidget;

// The entry behaviour of the user data page's controls: the entry colour
// (13036535, light green 10940093 while focused), Enter and Tab moving to the
// next control without being inserted, and the key rules of the phone fields
// (digits, blanks and + - / .) and the Zip lookup (digits). Every accepted key in a
// phone field and Enter or Tab in the Zip lookup count as an edit.
class TUserDataEntryFilter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUserDataEntryFilter)

public:
    enum Rule { FreeText, PhoneDigits, ZipDigits, Memo };

    explicit TUserDataEntryFilter(QObject *parent = nullptr) : QObject(parent) {}

    // Paints the control in the entry colour and watches its keys and focus.
    void watch(QWidget *control, Rule rule);

    static void paint(QWidget *control, bool focused);

signals:
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
