#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

// The main window's status bar (objectName stbFmMain): fifteen panels, left to
// right, each with its width, alignment and bevel; panel 9 is drawn by the
// program as a rectangle in the colour of the Internet indicator. A caption or
// the connection state that a translation makes longer than its panel widens
// the panel, so that it is never cut.
class TStatusBar : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStatusBar)

public:
    enum Panel {
        PanelDatabaseCaption = 0,
        PanelConnection = 1,
        PanelUserCaption = 2,
        PanelCall = 3,
        PanelLocationCaption = 4,
        PanelSite = 5,
        PanelAntennaCaption = 6,
        PanelPlacement = 7,
        PanelInternetCaption = 8,
        PanelInternet = 9,
        PanelVersionCaption = 10,
        PanelVersion = 11,
        PanelSlash = 12,
        PanelDatabaseVersion = 13,
        PanelNotice = 14,
        PanelCount = 15,
    };

    explicit TStatusBar(QWidget *parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    // Left edge and width of a panel, in pixels.
    QRect panelRect(int panel) const;
    // Shows a notice in the last panel, also as the bar's tool tip.
    void showNotice(const QString &text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int panelWidth(int panel) const;

    QStringList m_texts;
};
