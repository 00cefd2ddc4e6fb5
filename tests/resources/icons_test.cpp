#include "resources/icons.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "controls/cbutton_st.h"
#include "support/tool_run.h"

namespace halvo {
namespace {

struct IconCase {
  IconId id;
  int side;
};

constexpr IconCase kIcons[] = {
    {IconId::Application, 32},   {IconId::ZoomOut, 32},     {IconId::SearchStop, 32},
    {IconId::Voice, 21},         {IconId::VoiceMuted, 22},  {IconId::StaticIcon, 32},
    {IconId::SearchForward, 28}, {IconId::SearchBack, 28},  {IconId::Stop, 23},
    {IconId::Slower, 23},        {IconId::BackPlay, 23},    {IconId::Play, 32},
    {IconId::Pause, 23},         {IconId::StepBack, 21},    {IconId::ZoomIn, 24},
    {IconId::Faster, 23},        {IconId::StepForward, 21},
};

bool HasTransparentCorner(const QImage& image) { return image.pixelColor(0, 0).alpha() == 0; }

TEST(IconsTest, EveryIconHasItsNativeSizeAndAlpha) {
  for (const IconCase& c : kIcons) {
    const QImage image = IconImage(c.id);
    ASSERT_FALSE(image.isNull()) << static_cast<int>(c.id);
    EXPECT_EQ(image.size(), QSize(c.side, c.side)) << static_cast<int>(c.id);
    EXPECT_EQ(IconNativeSize(c.id), image.size());
    EXPECT_TRUE(image.hasAlphaChannel());
    // Some of the picture is opaque; the search icons' frame fills their corners.
    bool opaque = false;
    for (int y = 0; y < image.height() && !opaque; ++y)
      for (int x = 0; x < image.width() && !opaque; ++x)
        opaque = image.pixelColor(x, y).alpha() == 255;
    EXPECT_TRUE(opaque) << static_cast<int>(c.id);
    if (c.id != IconId::SearchForward && c.id != IconId::SearchBack) {
      EXPECT_TRUE(HasTransparentCorner(image)) << static_cast<int>(c.id);
    }
  }
}

TEST(IconsTest, TransportSymbolsAreBlue) {
  for (IconId id : {IconId::BackPlay, IconId::Stop, IconId::Pause, IconId::Faster}) {
    const QImage image = IconImage(id);
    const QColor centre = image.pixelColor(image.width() / 2 - 4, image.height() / 2);
    EXPECT_GT(centre.blue(), centre.red() + 80) << static_cast<int>(id);
  }
}

TEST(IconsTest, AButtonRecordsTheTwentyThreePixelIconsAsTwentyTwo) {
  CButtonST button;
  ASSERT_EQ(button.SetStateIcons(IconImage(IconId::Stop), ICON_DERIVE_DIMMED), 0);
  EXPECT_EQ(button.recordedIconSize(0), (RecordedSize{22, 22}));
  EXPECT_EQ(button.idleIcon().size(), QSize(22, 22));
  EXPECT_EQ(IconImage(IconId::Application, 256).size(), QSize(256, 256));
  EXPECT_TRUE(IconImage(static_cast<IconId>(1)).isNull());
}

TEST(IconsTest, DesktopIconsAreRenderedForInstall) {
  for (int side : {16, 32, 48, 256}) {
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    const QImage png(QString::fromStdString(
        BuildPath("src/resources/hicolor/" + size + "/apps/halvo-player.png")));
    EXPECT_EQ(png.size(), QSize(side, side)) << size;
  }
}

}  // namespace
}  // namespace halvo
