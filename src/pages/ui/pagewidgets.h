#pragma once

#include <QString>

class QWidget;

// Small widget helpers shared by the site and antenna page layouts.

// Gives a widget its objectName (tests find widgets by it) and returns it.
template <typename T> T *Named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A caption followed by the red bold "*" of a mandatory field.
QWidget *MandatoryCaption(const QString &text, QWidget *parent);
