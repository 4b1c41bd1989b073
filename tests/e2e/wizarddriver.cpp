#include "wizarddriver.h"

#include "app/mainwindow.h"
#include "base/messages.h"
#include "shell/ui/pagebase.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace
{
// Gives a control the keyboard focus as a click or Tab would; false when it does not take it.
bool focus(QWidget *widget)
{
    widget->setFocus(Qt::MouseFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 5000);
}

bool clickAt(QAbstractItemView *view, const QRect &cell, const char *name)
{
    if (!cell.isValid()) {
        qWarning("%s: the entry is not on screen", name);
        return false;
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    return true;
}
} // namespace

TfraBase *TWizardDriver::page() const
{
    return m_window.PageFrame(m_window.ActivePage());
}

int TWizardDriver::activePage() const
{
    return m_window.ActivePage();
}

QWidget *TWizardDriver::findWidget(const char *name) const
{
    TfraBase *frame = page();
    QWidget *widget = frame ? frame->findChild<QWidget *>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("page %d has no control %s", activePage(), name);
    return widget;
}

bool TWizardDriver::usable(QWidget *widget, const char *name) const
{
    if (!widget) {
        qWarning("%s on page %d is not the kind of control the action needs", name, activePage());
        return false;
    }
    if (!widget->isVisible() || !widget->isEnabled()) {
        qWarning("%s on page %d is %s", name, activePage(),
                 widget->isVisible() ? "disabled" : "hidden");
        return false;
    }
    return true;
}

bool TWizardDriver::next()
{
    TfraBase *frame = page();
    if (!frame || !usable(frame->nextButton(), "bbnNext"))
        return false;
    QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
    return true;
}

bool TWizardDriver::back()
{
    TfraBase *frame = page();
    if (!frame || !usable(frame->backButton(), "bbnBack"))
        return false;
    QTest::mouseClick(frame->backButton(), Qt::LeftButton);
    return true;
}

bool TWizardDriver::click(const char *button)
{
    auto *b = find<QAbstractButton>(button);
    if (!usable(b, button))
        return false;
    // Check and radio boxes take clicks on their box and caption only, not on the rest
    // of the width a layout gives them.
    QPoint at = b->rect().center();
    const bool check = qobject_cast<QCheckBox *>(b);
    if (check || qobject_cast<QRadioButton *>(b)) {
        QStyleOptionButton option;
        option.initFrom(b);
        at = b->style()
                 ->subElementRect(check ? QStyle::SE_CheckBoxClickRect
                                        : QStyle::SE_RadioButtonClickRect,
                                  &option, b)
                 .center();
    }
    QTest::mouseClick(b, Qt::LeftButton, {}, at);
    return true;
}

bool TWizardDriver::type(const char *lineEdit, const QString &text)
{
    auto *edit = find<QLineEdit>(lineEdit);
    if (!usable(edit, lineEdit) || !focus(edit))
        return false;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    return true;
}

bool TWizardDriver::choose(const char *comboBox, const QString &entryStart)
{
    auto *box = find<QComboBox>(comboBox);
    if (!usable(box, comboBox))
        return false;
    const int row = box->findText(entryStart, Qt::MatchStartsWith);
    if (row < 0) {
        qWarning("%s has no entry \"%s\"", comboBox, qPrintable(entryStart));
        return false;
    }
    // A click opens the list, a click on the entry picks it.
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView *list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }, 5000)) {
        qWarning("%s did not open its list", comboBox);
        return false;
    }
    const QModelIndex entry = box->model()->index(row, box->modelColumn(), box->rootModelIndex());
    list->scrollTo(entry);
    // The list takes no release of the mouse within a double-click time of opening.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    if (!QTest::qWaitFor([list] { return !list->isVisible(); }, 5000)) {
        qWarning("%s kept its list open", comboBox);
        return false;
    }
    if (box->currentIndex() != row) {
        qWarning("%s shows \"%s\", not \"%s\"", comboBox, qPrintable(box->currentText()),
                 qPrintable(box->itemText(row)));
        return false;
    }
    return true;
}

bool TWizardDriver::tabAway(const char *control)
{
    QWidget *widget = findWidget(control);
    if (!usable(widget, control) || !focus(widget))
        return false;
    QTest::keyClick(widget, Qt::Key_Tab);
    return QTest::qWaitFor([widget] { return !widget->hasFocus(); }, 5000);
}

bool TWizardDriver::clickTableRow(const char *table, const QStringList &cells)
{
    auto *grid = find<QTableWidget>(table);
    if (!usable(grid, table))
        return false;
    for (int row = 0; row < grid->rowCount(); ++row) {
        bool same = true;
        for (int column = 0; column < cells.size() && same; ++column)
            same = grid->item(row, column) && grid->item(row, column)->text() == cells[column];
        if (same) {
            grid->scrollToItem(grid->item(row, 0));
            return clickAt(grid, grid->visualItemRect(grid->item(row, 0)), table);
        }
    }
    qWarning("%s has no row %s", table, qPrintable(cells.join(QLatin1String(" | "))));
    return false;
}

bool TWizardDriver::clickListItem(const char *list, const QString &text)
{
    auto *widget = find<QListWidget>(list);
    if (!usable(widget, list))
        return false;
    const QList<QListWidgetItem *> items = widget->findItems(text, Qt::MatchExactly);
    if (items.isEmpty()) {
        qWarning("%s has no entry %s", list, qPrintable(text));
        return false;
    }
    widget->scrollToItem(items.first());
    return clickAt(widget, widget->visualItemRect(items.first()), list);
}

bool TWizardDriver::clickTreeItem(const char *tree, const QString &text)
{
    auto *widget = find<QTreeWidget>(tree);
    if (!usable(widget, tree))
        return false;
    const QList<QTreeWidgetItem *> items =
        widget->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (items.isEmpty()) {
        qWarning("%s has no entry %s", tree, qPrintable(text));
        return false;
    }
    widget->scrollToItem(items.first());
    return clickAt(widget, widget->visualItemRect(items.first()), tree);
}

bool TWizardDriver::clickTab(const char *tabWidget, int index)
{
    auto *tabs = find<QTabWidget>(tabWidget);
    if (!usable(tabs, tabWidget))
        return false;
    QTabBar *bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    return tabs->currentIndex() == index;
}

QStringList TWizardDriver::messages()
{
    QStringList texts;
    for (const ShownMessage &m : ShownMessages())
        texts << m.caption + QStringLiteral(": ") + m.text;
    return texts;
}
