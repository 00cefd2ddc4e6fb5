#include "controls/cbutton_st.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <memory>

namespace halvo {
namespace {

QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }

QImage FilledIcon(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

// A shown window with three buttons in a row; b sits between a and c.
class ButtonWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window.setGeometry(100, 100, 200, 60);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Button, Rgb(240, 240, 240));
    pal.setColor(QPalette::Light, Rgb(255, 255, 255));
    pal.setColor(QPalette::Dark, Rgb(160, 160, 160));
    window.setPalette(pal);
    for (int i = 0; i < 3; ++i) {
      buttons[i] = new CButtonST(&window);
      buttons[i]->setGeometry(10 + 40 * i, 10, 27, 24);
    }
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  // A move at a point of the button with the given buttons held.
  void Move(CButtonST* b, QPoint local, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent event(QEvent::MouseMove, local, b->mapToGlobal(local), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(b, &event);
  }

  QImage Paint(CButtonST* b) { return b->grab().toImage(); }

  QWidget window;
  CButtonST* buttons[3] = {};
};

TEST_F(ButtonWindow, HoverBeginsOnlyOnAMoveWithoutTheLeftButton) {
  CButtonST* b = buttons[0];
  Move(b, {5, 5}, Qt::LeftButton);
  EXPECT_FALSE(b->hovering());
  Move(b, {6, 5});
  EXPECT_TRUE(b->hovering());
  Move(b, {7, 5}, Qt::LeftButton);
  EXPECT_TRUE(b->hovering());
  // Moves keep arriving outside while the button holds the mouse.
  Move(b, {40, 5}, Qt::LeftButton);
  EXPECT_FALSE(b->hovering());
}

TEST_F(ButtonWindow, LeaveFocusLossDeactivationAndDisablingEndTheHover) {
  CButtonST* b = buttons[0];
  Move(b, {5, 5});
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(b, &leave);
  EXPECT_FALSE(b->hovering());

  b->setFocus();
  Move(b, {5, 5});
  buttons[1]->setFocus();
  EXPECT_FALSE(b->hovering());

  Move(b, {5, 5});
  QWidget other;
  other.setGeometry(400, 100, 50, 50);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(b->hovering());
  other.hide();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  Move(b, {5, 5});
  b->setEnabled(false);
  EXPECT_FALSE(b->hovering());
}

TEST_F(ButtonWindow, DisablingPassesTheFocusToTheNextTabStopEvenWithoutHavingIt) {
  buttons[2]->setFocus();
  buttons[0]->setEnabled(false);
  EXPECT_EQ(window.focusWidget(), buttons[1]);
}

TEST_F(ButtonWindow, DoubleClickGivesTwoClicks) {
  QSignalSpy clicks(buttons[1], &QAbstractButton::clicked);
  QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, buttons[1]->geometry().center());
  EXPECT_EQ(clicks.count(), 2);
  // A lone double-click event (no press before it) still counts as a press.
  QTest::mouseDClick(buttons[1], Qt::LeftButton);
  QTest::mouseRelease(buttons[1], Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 3);
  EXPECT_EQ(window.focusWidget(), buttons[1]);
}

TEST_F(ButtonWindow, PaintShowsIdleHoverAndPressedLooks) {
  CButtonST* b = buttons[0];
  ASSERT_EQ(b->SetStateIcons(FilledIcon(16, 16, Rgb(200, 100, 40)), ICON_DERIVE_DIMMED), 0);
  // 16 x 16 in 27 x 24 starts at (5, 4).
  QImage idle = Paint(b);
  EXPECT_EQ(idle.pixelColor(0, 0), Rgb(240, 240, 240));
  EXPECT_EQ(idle.pixelColor(4, 4), Rgb(240, 240, 240));
  EXPECT_EQ(idle.pixelColor(5, 4), Rgb(150, 75, 30));

  Move(b, {1, 1});
  ASSERT_TRUE(b->hovering());
  QImage hover = Paint(b);
  EXPECT_EQ(hover.pixelColor(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(hover.pixelColor(26, 23), Rgb(160, 160, 160));
  EXPECT_EQ(hover.pixelColor(5, 4), Rgb(200, 100, 40));

  b->setDown(true);
  QImage pressed = Paint(b);
  EXPECT_EQ(pressed.pixelColor(0, 0), Rgb(160, 160, 160));
  EXPECT_EQ(pressed.pixelColor(26, 23), Rgb(255, 255, 255));
  EXPECT_EQ(pressed.pixelColor(5, 4), Rgb(240, 240, 240));
  EXPECT_EQ(pressed.pixelColor(6, 5), Rgb(200, 100, 40));
  b->setDown(false);

  b->setEnabled(false);
  QImage disabled = Paint(b);
  EXPECT_NE(disabled.pixelColor(8, 8), Rgb(200, 100, 40));
  EXPECT_NE(disabled.pixelColor(8, 8), Rgb(150, 75, 30));
}

TEST_F(ButtonWindow, WideIconStartsLeftOfTheEdge) {
  // Left half red, right half blue: a 32-pixel icon in a 27-pixel button
  // starts at -2, so column 0 shows the icon's column 2 and column 14 its 16.
  QImage icon = FilledIcon(32, 32, Rgb(255, 0, 0));
  for (int y = 0; y < 32; ++y)
    for (int x = 16; x < 32; ++x) icon.setPixelColor(x, y, Rgb(0, 0, 255));
  CButtonST* b = buttons[0];
  b->SetStateIcons(icon, QImage());
  QImage shown = Paint(b);
  EXPECT_EQ(shown.pixelColor(13, 10), Rgb(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(14, 10), Rgb(0, 0, 255));
}

TEST_F(ButtonWindow, ShiftHoverBackgroundAndColourResetOnPaletteChange) {
  CButtonST* b = buttons[0];
  EXPECT_EQ(b->colours().hoverBackground, MakeColour(240, 240, 240));
  EXPECT_EQ(b->ShiftHoverBackground(-1), 0);
  EXPECT_EQ(b->colours().hoverBackground, MakeColour(239, 239, 239));
  EXPECT_EQ(b->colours().idleBackground, MakeColour(240, 240, 240));
  EXPECT_EQ(b->ShiftHoverBackground(-256), 5);
  EXPECT_EQ(b->colours().hoverBackground, MakeColour(239, 239, 239));
  Move(b, {1, 1});
  EXPECT_EQ(Paint(b).pixelColor(5, 5), Rgb(239, 239, 239));

  QPalette pal = window.palette();
  pal.setColor(QPalette::Button, Rgb(220, 221, 222));
  window.setPalette(pal);
  EXPECT_EQ(b->colours().hoverBackground, MakeColour(220, 221, 222));
  EXPECT_EQ(b->colours().focusBackground, MakeColour(220, 221, 222));
}

TEST(CButtonSTIconsTest, DerivedIdleIconIsCutToTheRecordedSize) {
  QImage icon = FilledIcon(23, 23, Rgb(255, 255, 255));
  icon.setPixelColor(1, 0, QColor(0, 0, 0, 255));
  icon.setPixelColor(21, 21, Rgb(255, 0, 0));
  icon.setPixelColor(2, 0, QColor(0, 255, 0, 0));
  icon.setPixelColor(22, 22, Rgb(0, 0, 255));
  CButtonST b;
  ASSERT_EQ(b.SetStateIcons(icon, ICON_DERIVE_DIMMED), 0);
  EXPECT_EQ(b.recordedIconSize(0), (RecordedSize{22, 22}));
  EXPECT_EQ(b.normalIcon().size(), QSize(23, 23));
  ASSERT_EQ(b.idleIcon().size(), QSize(22, 22));
  EXPECT_EQ(b.idleIcon().pixelColor(0, 0), Rgb(191, 191, 191));
  EXPECT_EQ(b.idleIcon().pixelColor(1, 0), Rgb(0, 0, 0));
  EXPECT_EQ(b.idleIcon().pixelColor(21, 21), Rgb(191, 0, 0));
  EXPECT_EQ(b.idleIcon().pixelColor(2, 0), QColor(0, 191, 0, 0));

  ASSERT_EQ(b.SetStateIcons(icon, ICON_DERIVE_GREY), 0);
  EXPECT_EQ(b.idleIcon().pixelColor(0, 0), Rgb(255, 255, 255));
  EXPECT_EQ(b.idleIcon().pixelColor(21, 21), Rgb(76, 76, 76));
}

TEST(CButtonSTIconsTest, NullOrUnderivableIconsLeaveNoIcons) {
  CButtonST b;
  const QImage icon = FilledIcon(21, 21, Rgb(0, 0, 255));
  ASSERT_EQ(b.SetStateIcons(icon, ICON_DERIVE_DIMMED), 0);
  EXPECT_EQ(b.SetStateIcons(QImage(), ICON_DERIVE_DIMMED), 0);
  EXPECT_TRUE(b.normalIcon().isNull());
  EXPECT_TRUE(b.idleIcon().isNull());

  // A one-pixel icon has no recorded size, so no copy can be made of it.
  ASSERT_EQ(b.SetStateIcons(icon, ICON_DERIVE_DIMMED), 0);
  EXPECT_EQ(b.SetStateIcons(FilledIcon(1, 1, Rgb(0, 0, 255)), ICON_DERIVE_GREY), 1);
  EXPECT_TRUE(b.normalIcon().isNull());
  EXPECT_TRUE(b.idleIcon().isNull());

  EXPECT_EQ(b.SetStateIcons(icon, QImage()), 0);
  EXPECT_EQ(b.normalIcon().size(), QSize(21, 21));
  EXPECT_TRUE(b.idleIcon().isNull());
}

TEST(CButtonSTTooltipTest, NullTextIsIgnoredAndTheLastTextWins) {
  CButtonST b;
  b.SetTooltip(QStringLiteral("Play"));
  b.SetTooltip(QString());
  EXPECT_EQ(b.toolTip(), QStringLiteral("Play"));
  b.SetTooltip(QStringLiteral("Pause"));
  EXPECT_EQ(b.toolTip(), QStringLiteral("Pause"));
}

}  // namespace
}  // namespace halvo
