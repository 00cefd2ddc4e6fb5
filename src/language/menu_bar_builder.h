#pragma once

#include <QAction>
#include <QMenuBar>
#include <map>

#include "language/menu_model.h"

namespace halvo {

using MenuActions = std::map<MenuCommand, QAction*>;

// Shows a menu model on a menu bar. The first call builds the pop-ups; later
// calls (another language) retitle them and reset check marks and enabled
// states in place, so the returned actions stay the same and are connected
// once. Each action carries its command as data and is named "menu_<command>".
MenuActions ApplyMenuModel(QMenuBar& bar, const MenuModel& model);

}  // namespace halvo
