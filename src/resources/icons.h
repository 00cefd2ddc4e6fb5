#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

#include "app/control_ids.h"

namespace halvo {

// The program's own icon artwork, drawn in code with alpha.
// Each icon has its native size (the size the buttons record and centre).
QSize IconNativeSize(IconId id);
QImage IconImage(IconId id);
// The same picture scaled to a square of the given side (the application
// icon for desktop menus and window decorations).
QImage IconImage(IconId id, int side);
// The application icon (143) at the usual window and desktop sizes.
QIcon ApplicationIcon();

}  // namespace halvo
