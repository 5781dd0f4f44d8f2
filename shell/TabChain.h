#pragma once

#include <QWidget>

#include <initializer_list>

// Sets the keyboard focus order of a screen: each widget is followed by the next one.
inline void SetTabChain(std::initializer_list<QWidget*> chain)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
