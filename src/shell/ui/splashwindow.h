#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

// The splash window: borderless, on top, centred, 408 x 336, with the version
// label ("Ver.: " + version) and a status label that the online check writes
// its progress into. One global reference points at it while it exists; it
// clears the reference and frees itself when it closes.
class TfrmSplash : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSplash)

public:
    TfrmSplash();
    ~TfrmSplash() override;

    // The splash while it exists, else nullptr.
    static TfrmSplash *instance();

    // Shows it: version label at 312 pixels, centred, raised, painted at once.
    void ShowSplash();
    // Makes the status label visible with the text and repaints.
    void ShowStatus(const QString &text);

    QLabel *versionLabel() const { return m_version; }
    QLabel *statusLabel() const { return m_status; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_version;
    QLabel *m_status;
};

// While a dialog of the program is shown during start-up the splash steps
// back: a window manager keeps the splash (always on top) above every other
// window, so the dialog would stand hidden behind it and the program would
// look frozen. The splash comes back when the dialog is done, unless it was
// closed meanwhile.
class TSplashStepsBack
{
public:
    TSplashStepsBack();
    ~TSplashStepsBack();
    TSplashStepsBack(const TSplashStepsBack &) = delete;
    TSplashStepsBack &operator=(const TSplashStepsBack &) = delete;

private:
    QPointer<TfrmSplash> m_splash;
};
