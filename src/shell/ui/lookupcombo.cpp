#include "shell/ui/lookupcombo.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListView>

namespace
{

// A list view whose keyboard search starts in the shown column when nothing
// is current yet.
class TLookupListView : public QListView
{
public:
    using QListView::QListView;

    void keyboardSearch(const QString &search) override
    {
        if (!currentIndex().isValid() && model() && selectionModel()) {
            const QModelIndex first = model()->index(0, modelColumn(), rootIndex());
            if (first.isValid())
                selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        }
        QListView::keyboardSearch(search);
    }
};

} // namespace

void UseShownColumnForTyping(QComboBox *box)
{
    // The box chose its item delegate (the style's menu look) for its first
    // view; the new view keeps it, so the list looks like every other list.
    QAbstractItemDelegate *delegate = box->view()->itemDelegate();
    delegate->setParent(box);
    auto *view = new TLookupListView(box);
    box->setView(view);
    view->setItemDelegate(delegate);
}
