// Renders the icon artwork to PNG files: the application icon at the desktop
// sizes, or a sheet of every icon enlarged for checking the artwork by eye.
//   halvo-render-icons desktop OUTDIR   -> OUTDIR/<n>x<n>/apps/halvo-player.png
//   halvo-render-icons sheet FILE.png
#include <QDir>
#include <QPainter>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "resources/icons.h"

namespace {

constexpr int kDesktopSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

constexpr halvo::IconId kAllIcons[] = {
    halvo::IconId::Application,   halvo::IconId::ZoomOut,     halvo::IconId::SearchStop,
    halvo::IconId::Voice,         halvo::IconId::VoiceMuted,  halvo::IconId::StaticIcon,
    halvo::IconId::SearchForward, halvo::IconId::SearchBack,  halvo::IconId::Stop,
    halvo::IconId::Slower,        halvo::IconId::BackPlay,    halvo::IconId::Play,
    halvo::IconId::Pause,         halvo::IconId::StepBack,    halvo::IconId::ZoomIn,
    halvo::IconId::Faster,        halvo::IconId::StepForward,
};

bool WriteDesktopIcons(const QString& root) {
  for (int side : kDesktopSides) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(side);
    if (!QDir().mkpath(dir)) return false;
    if (!halvo::IconImage(halvo::IconId::Application, side).save(dir + "/halvo-player.png"))
      return false;
  }
  return true;
}

// Each icon at its native size enlarged four times (pixels kept sharp), in a
// grid on a light and again on a dark ground, then the application icon at
// 256, 64 and 16.
bool WriteSheet(const QString& file) {
  constexpr int kZoom = 4;
  constexpr int kCell = 32 * kZoom + 16;
  constexpr int kColumns = 6;
  const int count = static_cast<int>(std::size(kAllIcons));
  const int gridHeight = (count + kColumns - 1) / kColumns * kCell;
  QImage sheet(kCell * kColumns, gridHeight * 2 + 272, QImage::Format_ARGB32);
  sheet.fill(QColor(240, 240, 240));
  QPainter p(&sheet);
  p.fillRect(0, gridHeight, sheet.width(), gridHeight, QColor(60, 60, 64));
  for (int i = 0; i < count; ++i) {
    const QImage icon = halvo::IconImage(kAllIcons[i]);
    const QImage big =
        icon.scaled(icon.size() * kZoom, Qt::KeepAspectRatio, Qt::FastTransformation);
    const int x = i % kColumns * kCell + 8;
    const int y = i / kColumns * kCell + 8;
    p.drawImage(x, y, big);
    p.drawImage(x, y + gridHeight, big);
  }
  const int y = gridHeight * 2 + 8;
  p.drawImage(8, y, halvo::IconImage(halvo::IconId::Application, 256));
  p.drawImage(280, y, halvo::IconImage(halvo::IconId::Application, 64));
  p.drawImage(360, y, halvo::IconImage(halvo::IconId::Application, 16));
  p.end();
  return sheet.save(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s desktop OUTDIR | sheet FILE.png\n", argv[0]);
    return 2;
  }
  const QString target = QString::fromLocal8Bit(argv[2]);
  const bool ok = std::strcmp(argv[1], "desktop") == 0 ? WriteDesktopIcons(target)
                  : std::strcmp(argv[1], "sheet") == 0 ? WriteSheet(target)
                                                       : false;
  if (!ok) std::fprintf(stderr, "%s: could not write %s\n", argv[0], argv[2]);
  return ok ? 0 : 1;
}
