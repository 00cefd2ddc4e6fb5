#pragma once

#include <QImage>

#include "controls/icon_transforms.h"

namespace halvo {

// A dimmed or greyscale copy of an icon, cut to its recorded size from the
// top-left, alpha kept. A null image when no copy can be made (an icon
// narrower or shorter than two pixels has no recorded size).
QImage DeriveIcon(const QImage& source, IconDerivation derivation);

}  // namespace halvo
