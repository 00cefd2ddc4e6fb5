#include "resources/icons.h"

#include <QPainter>

#include "resources/icon_artwork.h"

namespace halvo {
namespace {

struct IconArt {
  IconId id;
  int side;  // every icon is square
  void (*paint)(QPainter&);
};

constexpr IconArt kIcons[] = {
    {IconId::Application, 32, artwork::PaintApplication},
    {IconId::ZoomOut, 32, artwork::PaintZoomOut},
    {IconId::SearchStop, 32, artwork::PaintSearchStop},
    {IconId::Voice, 21, artwork::PaintVoice},
    {IconId::VoiceMuted, 22, artwork::PaintVoiceMuted},
    {IconId::StaticIcon, 32, artwork::PaintFilmFrame},
    {IconId::SearchForward, 28, artwork::PaintSearchForward},
    {IconId::SearchBack, 28, artwork::PaintSearchBack},
    {IconId::Stop, 23, artwork::PaintStop},
    {IconId::Slower, 23, artwork::PaintSlower},
    {IconId::BackPlay, 23, artwork::PaintBackPlay},
    {IconId::Play, 32, artwork::PaintPlay},
    {IconId::Pause, 23, artwork::PaintPause},
    {IconId::StepBack, 21, artwork::PaintStepBack},
    {IconId::ZoomIn, 24, artwork::PaintZoomIn},
    {IconId::Faster, 23, artwork::PaintFaster},
    {IconId::StepForward, 21, artwork::PaintStepForward},
};

const IconArt* Find(IconId id) {
  for (const IconArt& art : kIcons)
    if (art.id == id) return &art;
  return nullptr;
}

}  // namespace

QSize IconNativeSize(IconId id) {
  const IconArt* art = Find(id);
  return art ? QSize(art->side, art->side) : QSize();
}

QImage IconImage(IconId id) {
  const IconArt* art = Find(id);
  return art ? IconImage(id, art->side) : QImage();
}

QImage IconImage(IconId id, int side) {
  const IconArt* art = Find(id);
  if (!art || side <= 0) return {};
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal scale = static_cast<qreal>(side) / art->side;
  painter.scale(scale, scale);
  art->paint(painter);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(IconImage(IconId::Application, side)));
  return icon;
}

}  // namespace halvo
