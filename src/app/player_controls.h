#pragma once

#include <QString>
#include <QWidget>

#include "app/player_template.h"

namespace halvo {

// Controls are found by their id: the objectName is the id's number.
QString ControlObjectName(ControlId id);

// Creates one control of the player window at its template rectangle.
QWidget* CreatePlayerControl(const ControlTemplate& control, QWidget* parent);

}  // namespace halvo
