#pragma once

#include <QObject>
#include <QString>

// Colours of the Internet indicator, as the program stores them (0x00BBGGRR).
enum InternetStatusColour {
    InternetRed = 255,
    InternetAmber = 3980795,
    InternetGreen = 65280,
};

// Process-wide shell state that logic code changes and windows show: the
// Internet indicator, the exit-confirmation switch and the splash status text.
// Windows follow the signals; logic code never needs a widget.
class TApplicationState : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TApplicationState)

public:
    static TApplicationState &instance();

    int internetStatus() const { return m_internetStatus; }
    void setInternetStatus(int colour);

    bool skipExitConfirmation() const { return m_skipExitConfirmation; }
    void setSkipExitConfirmation(bool skip) { m_skipExitConfirmation = skip; }

    // Shows a progress text in the splash window's status label while it exists.
    void showSplashStatus(const QString &text) { emit splashStatusRequested(text); }

    // A notice for the main window's status bar (its last panel); the latest
    // one is kept for a window that comes later.
    void showStatusNotice(const QString &text)
    {
        m_statusNotice = text;
        emit statusNoticeRequested(text);
    }
    QString statusNotice() const { return m_statusNotice; }

signals:
    void internetStatusChanged(int colour);
    void splashStatusRequested(const QString &text);
    void statusNoticeRequested(const QString &text);

private:
    TApplicationState() = default;

    int m_internetStatus = InternetRed;
    bool m_skipExitConfirmation = false;
    QString m_statusNotice;
};

// Short names used throughout the program.
inline int InternetStatus()
{
    return TApplicationState::instance().internetStatus();
}
inline void SetInternetStatus(int colour)
{
    TApplicationState::instance().setInternetStatus(colour);
}
inline bool SkipExitConfirmation()
{
    return TApplicationState::instance().skipExitConfirmation();
}
inline void SetSkipExitConfirmation(bool skip)
{
    TApplicationState::instance().setSkipExitConfirmation(skip);
}
