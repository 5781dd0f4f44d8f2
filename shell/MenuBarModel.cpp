#include "shell/MenuBarModel.h"

QMenu* MenuBarModel::addMenu(const QString& caption)
{
    auto* menu = new QMenu(caption, m_owner);
    m_actions.append(menu->menuAction());
    return menu;
}

QAction* MenuBarModel::addCommand(const QString& caption, const QString& objectName)
{
    auto* action = new QAction(caption, m_owner);
    action->setObjectName(objectName);
    m_actions.append(action);
    return action;
}

QAction* AddMenuItem(QMenu* menu, const QString& caption, const QString& objectName)
{
    // Owned by the window, like its controls: the window's commands are found and deleted
    // with it, named as the window describes them.
    auto* action = new QAction(caption, menu->parentWidget());
    action->setObjectName(objectName);
    menu->addAction(action);
    return action;
}
