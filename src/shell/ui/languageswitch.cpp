#include "shell/ui/languageswitch.h"

#include "shell/interfacetranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>

namespace
{

// The class names of the widget and its parents, nearest first: the contexts
// of the tr() calls that most likely made its texts.
QList<QByteArray> contextsAround(const QWidget *widget)
{
    QList<QByteArray> contexts;
    for (const QObject *o = widget; o; o = o->parent()) {
        for (const QMetaObject *m = o->metaObject(); m; m = m->superClass())
            contexts.append(QByteArray(m->className()));
    }
    return contexts;
}

// The text in the language installed now, or a null string when no
// translation produced this text.
QString translatedAgain(const QString &text, const QList<QByteArray> &contexts)
{
    if (text.isEmpty())
        return QString();
    const QList<TTranslationSource> sources = SourcesOfTranslatedText(text);
    if (sources.isEmpty())
        return QString();
    // The same words may come from several contexts; the nearest class wins.
    const TTranslationSource *best = &sources.first();
    int bestRank = int(contexts.size());
    for (const TTranslationSource &source : sources) {
        const int rank = int(contexts.indexOf(source.context));
        if (rank >= 0 && rank < bestRank) {
            best = &source;
            bestRank = rank;
        }
    }
    return TranslateSource(*best);
}

void retranslate(const QString &text, const QList<QByteArray> &contexts,
                 const std::function<void(const QString &)> &set)
{
    const QString again = translatedAgain(text, contexts);
    if (!again.isNull() && again != text)
        set(again);
}

void retranslateHeader(QAbstractItemModel *model, Qt::Orientation orientation,
                       const QList<QByteArray> &contexts)
{
    auto *standard = qobject_cast<QStandardItemModel *>(model);
    if (!standard)
        return; // models of our own translate their headers when asked
    const int count =
        orientation == Qt::Horizontal ? standard->columnCount() : standard->rowCount();
    for (int section = 0; section < count; ++section) {
        const QString text = standard->headerData(section, orientation).toString();
        retranslate(text, contexts,
                    [&](const QString &t) { standard->setHeaderData(section, orientation, t); });
    }
}

// Sees QEvent::LanguageChange of every widget before the widget itself does.
class TLanguageChangeFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched->isWidgetType())
            RetranslateWidgetTexts(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

bool SetInterfaceLanguage(int index)
{
    static TLanguageChangeFilter *filter = nullptr;
    if (!filter && qApp) {
        filter = new TLanguageChangeFilter(qApp);
        qApp->installEventFilter(filter);
    }
    return InstallInterfaceTranslation(index);
}

QString RetranslatedText(const QString &text, const QWidget *near)
{
    const QString again = translatedAgain(text, contextsAround(near));
    return again.isNull() ? text : again;
}

void RetranslateWidgetTexts(QWidget *widget)
{
    const QList<QByteArray> contexts = contextsAround(widget);
    retranslate(widget->toolTip(), contexts, [widget](const QString &t) { widget->setToolTip(t); });
    retranslate(widget->whatsThis(), contexts,
                [widget](const QString &t) { widget->setWhatsThis(t); });
    retranslate(widget->statusTip(), contexts,
                [widget](const QString &t) { widget->setStatusTip(t); });
    if (widget->isWindow())
        retranslate(widget->windowTitle(), contexts,
                    [widget](const QString &t) { widget->setWindowTitle(t); });

    if (auto *label = qobject_cast<QLabel *>(widget))
        retranslate(label->text(), contexts, [label](const QString &t) { label->setText(t); });
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        retranslate(button->text(), contexts, [button](const QString &t) { button->setText(t); });
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        retranslate(group->title(), contexts, [group](const QString &t) { group->setTitle(t); });
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        retranslate(edit->placeholderText(), contexts,
                    [edit](const QString &t) { edit->setPlaceholderText(t); });
    else if (auto *menu = qobject_cast<QMenu *>(widget))
        retranslate(menu->title(), contexts, [menu](const QString &t) { menu->setTitle(t); });

    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            retranslate(tabs->tabText(i), contexts,
                        [tabs, i](const QString &t) { tabs->setTabText(i, t); });
            retranslate(tabs->tabToolTip(i), contexts,
                        [tabs, i](const QString &t) { tabs->setTabToolTip(i, t); });
        }
    }
    if (auto *tree = qobject_cast<QTreeWidget *>(widget)) {
        QTreeWidgetItem *header = tree->headerItem();
        for (int column = 0; header && column < header->columnCount(); ++column)
            retranslate(header->text(column), contexts,
                        [header, column](const QString &t) { header->setText(column, t); });
    } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QTableWidgetItem *item = table->horizontalHeaderItem(column))
                retranslate(item->text(), contexts, [item](const QString &t) { item->setText(t); });
        }
        for (int row = 0; row < table->rowCount(); ++row) {
            if (QTableWidgetItem *item = table->verticalHeaderItem(row))
                retranslate(item->text(), contexts, [item](const QString &t) { item->setText(t); });
            // Fixed captions in cells (data never came from a translation and stays).
            for (int column = 0; column < table->columnCount(); ++column) {
                if (QTableWidgetItem *item = table->item(row, column))
                    retranslate(item->text(), contexts,
                                [item](const QString &t) { item->setText(t); });
            }
        }
    } else if (auto *view = qobject_cast<QAbstractItemView *>(widget)) {
        retranslateHeader(view->model(), Qt::Horizontal, contexts);
        retranslateHeader(view->model(), Qt::Vertical, contexts);
    }
    if (auto *header = qobject_cast<QHeaderView *>(widget))
        header->viewport()->update(); // headers our models translate when painted

    for (QAction *action : widget->actions()) {
        retranslate(action->text(), contexts, [action](const QString &t) { action->setText(t); });
        retranslate(action->toolTip(), contexts,
                    [action](const QString &t) { action->setToolTip(t); });
    }
}
