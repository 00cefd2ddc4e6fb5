#include "controls/derived_icon.h"

#include "controls/button_layout.h"

namespace halvo {

QImage DeriveIcon(const QImage& source, IconDerivation derivation) {
  if (source.isNull()) return {};
  const RecordedSize size = RecordIconSize(source.width(), source.height());
  if (size.width == 0 || size.height == 0) return {};
  QImage copy = source.copy(0, 0, size.width, size.height).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < copy.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) {
      const QRgb argb = row[x];
      const Colour derived =
          DerivedIconPixel(derivation, MakeColour(qRed(argb), qGreen(argb), qBlue(argb)));
      row[x] = qRgba(RedOf(derived), GreenOf(derived), BlueOf(derived), qAlpha(argb));
    }
  }
  return copy;
}

}  // namespace halvo
