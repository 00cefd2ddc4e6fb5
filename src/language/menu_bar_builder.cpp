#include "language/menu_bar_builder.h"

#include <QMenu>

#include "language/qt_text.h"

namespace halvo {
namespace {

QString ActionName(MenuCommand command) {
  return QStringLiteral("menu_%1").arg(static_cast<int>(command));
}

QAction* FindOrAddAction(QMenu& menu, MenuCommand command) {
  const QString name = ActionName(command);
  if (auto* action = menu.findChild<QAction*>(name, Qt::FindDirectChildrenOnly)) return action;
  QAction* action = menu.addAction(QString());
  action->setObjectName(name);
  action->setData(static_cast<int>(command));
  return action;
}

}  // namespace

MenuActions ApplyMenuModel(QMenuBar& bar, const MenuModel& model) {
  QList<QMenu*> menus;
  for (QAction* entry : bar.actions()) {
    if (QMenu* menu = entry->menu()) menus.append(menu);
  }
  MenuActions actions;
  for (size_t i = 0; i < model.popups.size(); ++i) {
    const MenuPopup& popup = model.popups[i];
    QMenu* menu = i < static_cast<size_t>(menus.size()) ? menus[static_cast<qsizetype>(i)]
                                                        : bar.addMenu(QString());
    menu->setTitle(ToQString(popup.title));
    for (const MenuItem& item : popup.items) {
      QAction* action = FindOrAddAction(*menu, item.command);
      action->setText(ToQString(item.text));
      action->setCheckable(item.checkable);
      action->setChecked(item.checked);
      action->setEnabled(item.enabled);
      actions[item.command] = action;
    }
  }
  return actions;
}

}  // namespace halvo
