#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

class TfraBase;
class TfrmMain;

// Plays a user in the main window: finds the active page's controls by objectName and
// works them with the mouse and the keyboard as a user would. Every action returns
// false (with a warning saying why) when the control is hidden or disabled, so that a
// test stops at the step the user could not take.
class TWizardDriver
{
public:
    explicit TWizardDriver(TfrmMain &window) : m_window(window) {}

    // The frame of the active page.
    TfraBase *page() const;
    int activePage() const;

    // A control of the active page. A control that is not there (a renamed objectName)
    // ends the test; one of another kind gives nullptr.
    template <typename T> T *find(const char *name) const
    {
        return qobject_cast<T *>(findWidget(name));
    }
    QWidget *findWidget(const char *name) const;

    // The navigation bar.
    bool next();
    bool back();

    // A click on an enabled, visible button (push, radio or check) of the active page.
    bool click(const char *button);
    // Replaces the text of a line edit by typing it key by key.
    bool type(const char *lineEdit, const QString &text);
    // Opens a drop-down list with a click and clicks its first entry that begins with
    // the given text; true when the box then shows that entry.
    bool choose(const char *comboBox, const QString &entryStart);
    // Gives the control the focus and presses Tab, so that it loses it again.
    bool tabAway(const char *control);
    // A click on the row of a table (QTableWidget) whose cells in the given columns
    // hold these texts.
    bool clickTableRow(const char *table, const QStringList &cells);
    // A click on the entry of a list (QListWidget) or a tree (QTreeWidget) with that text.
    bool clickListItem(const char *list, const QString &text);
    bool clickTreeItem(const char *tree, const QString &text);
    // A click on a tab of a tab widget.
    bool clickTab(const char *tabWidget, int index);

    // Texts of every message shown since the last ClearShownMessages(), "caption: text".
    static QStringList messages();

private:
    bool usable(QWidget *widget, const char *name) const;

    TfrmMain &m_window;
};
