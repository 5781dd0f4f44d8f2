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
    // Parented to the menu's owner window so that tests find it with findChild.
    auto* action = new QAction(caption, menu->parentWidget());
    action->setObjectName(objectName);
    menu->addAction(action);
    return action;
}
