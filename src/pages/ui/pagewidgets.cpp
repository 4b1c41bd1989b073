#include "pages/ui/pagewidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

QWidget *MandatoryCaption(const QString &text, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(new QLabel(text, box));
    auto *star = new QLabel(QStringLiteral("*"), box);
    star->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    row->addWidget(star);
    row->addStretch(1);
    return box;
}
