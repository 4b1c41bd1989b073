#pragma once

#include "base/messages.h"
#include "shell/dialoglayout.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The modal message dialog: 385 x 170, a picture strip along the top, a bevel
// with the kind's icon and the text, and the buttons of the kind laid out by
// DialogButtonLefts(). OK gives 1, Cancel 2, Yes 6, No 7; the close box gives 2.
class TfrmDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmDialog)

public:
    explicit TfrmDialog(QWidget *parent = nullptr);

    // Sets icon, buttons, caption and text for a message kind (1 error,
    // 2 information, 3 question) and lays the visible buttons out.
    void Prepare(const QString &caption, const QString &text, int kind);

    QPushButton *button(DialogButton which) const { return m_buttons[which]; }

    // The dialog's own run: create, prepare, show modally, return the result.
    static int Execute(const QString &caption, const QString &text, int kind, QWidget *parent);

public slots:
    void reject() override; // the close box and Escape: result 2

private:
    QLabel *m_icon;
    QPlainTextEdit *m_memo;
    QPushButton *m_buttons[DialogButtonCount];
};

// Shows the program's messages and file questions with real dialogs, centred on
// the main window. Installed with SetMessagePresenter() at start-up.
class TDialogPresenter : public MessagePresenter
{
public:
    int showMessage(const QString &caption, const QString &text, int kind) override;
    QString openFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString existingDirectory(const QString &caption, const QString &folder) override;
};
