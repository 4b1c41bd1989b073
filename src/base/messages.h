#pragma once

#include <QString>
#include <QStringList>

// Every message and file question of the program goes through these functions.
// The main program installs a presenter that shows the modal dialog; tests answer
// in advance with SetNextAnswer()/SetNextFileName() so that no dialog ever blocks.

enum MessageKind { MessageError = 1, MessageInfo = 2, MessageQuestion = 3 };

// Results as the dialog returns them.
constexpr int AnswerOk = 1;
constexpr int AnswerClosed = 2;
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    virtual int showMessage(const QString &caption, const QString &text, int kind) = 0;
    virtual QString openFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder,
                                 const QString &filter) = 0;
    virtual QString existingDirectory(const QString &caption, const QString &folder) = 0;
};

// Installs the presenter (not owned); nullptr removes it. Without a presenter and
// without a queued answer, messages return AnswerClosed for questions and AnswerOk
// otherwise, and file questions return an empty text (cancelled).
void SetMessagePresenter(MessagePresenter *presenter);

int ShowMessageDialog(const QString &caption, const QString &text, int kind);
void ShowErrorMessage(const QString &caption, const QString &text);
void ShowInfoMessage(const QString &caption, const QString &text);
int AskYesNo(const QString &caption, const QString &text);

QString AskOpenFileName(const QString &caption, const QString &folder, const QString &filter);
QString AskSaveFileName(const QString &caption, const QString &folder, const QString &filter);
QString AskExistingDirectory(const QString &caption, const QString &folder);

// Test seams: answers queued here are used (first in, first out) before the presenter.
void SetNextAnswer(int answer);
void SetNextFileName(const QString &fileName);

struct ShownMessage {
    QString caption;
    QString text;
    int kind = 0;
};
// Every message shown since the last call of ClearShownMessages(), oldest first.
QList<ShownMessage> ShownMessages();
void ClearShownMessages();
