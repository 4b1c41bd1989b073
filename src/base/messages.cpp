#include "base/messages.h"

#include <QQueue>
#include <functional>

namespace
{
struct MessageState {
    MessagePresenter *presenter = nullptr;
    QQueue<int> answers;
    QQueue<QString> fileNames;
    QList<ShownMessage> shown;
};

MessageState &state()
{
    static MessageState s;
    return s;
}

QString nextFileName(const std::function<QString(MessagePresenter *)> &ask)
{
    MessageState &s = state();
    if (!s.fileNames.isEmpty())
        return s.fileNames.dequeue();
    return s.presenter ? ask(s.presenter) : QString();
}
} // namespace

void SetMessagePresenter(MessagePresenter *presenter)
{
    state().presenter = presenter;
}

int ShowMessageDialog(const QString &caption, const QString &text, int kind)
{
    MessageState &s = state();
    s.shown.append({caption, text, kind});
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.presenter)
        return s.presenter->showMessage(caption, text, kind);
    return kind == MessageQuestion ? AnswerClosed : AnswerOk;
}

void ShowErrorMessage(const QString &caption, const QString &text)
{
    ShowMessageDialog(caption, text, MessageError);
}

void ShowInfoMessage(const QString &caption, const QString &text)
{
    ShowMessageDialog(caption, text, MessageInfo);
}

int AskYesNo(const QString &caption, const QString &text)
{
    return ShowMessageDialog(caption, text, MessageQuestion);
}

QString AskOpenFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return nextFileName(
        [&](MessagePresenter *p) { return p->openFileName(caption, folder, filter); });
}

QString AskSaveFileName(const QString &caption, const QString &folder, const QString &filter)
{
    return nextFileName(
        [&](MessagePresenter *p) { return p->saveFileName(caption, folder, filter); });
}

QString AskExistingDirectory(const QString &caption, const QString &folder)
{
    return nextFileName([&](MessagePresenter *p) { return p->existingDirectory(caption, folder); });
}

void SetNextAnswer(int answer)
{
    state().answers.enqueue(answer);
}
void SetNextFileName(const QString &fileName)
{
    state().fileNames.enqueue(fileName);
}
QList<ShownMessage> ShownMessages()
{
    return state().shown;
}
void ClearShownMessages()
{
    state().shown.clear();
}
