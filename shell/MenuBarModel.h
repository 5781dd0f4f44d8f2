#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QString>

// The top-level items of a window's menu bar. Program windows live inside the main
// window, whose menu bar shows the items of the active program window (or its own),
// so a window describes its bar here instead of owning a QMenuBar.
class MenuBarModel {
public:
    explicit MenuBarModel(QWidget* owner) : m_owner(owner) {}

    // A drop-down menu such as "&File"; its items are added with AddMenuItem.
    QMenu* addMenu(const QString& caption);
    // A command that sits directly on the bar, such as "&Donate".
    QAction* addCommand(const QString& caption, const QString& objectName);

    const QList<QAction*>& actions() const { return m_actions; }
    QWidget* owner() const { return m_owner; }

private:
    QWidget* m_owner;
    QList<QAction*> m_actions;
};

// Adds an item named objectName to menu; its triggered signal is the caller's to connect.
QAction* AddMenuItem(QMenu* menu, const QString& caption, const QString& objectName);
