#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ctamio_dlg.h"
#include "app/player_template.h"
#include "app/status_bar.h"
#include "language/qt_text.h"
#include "support/scripted_prompts.h"

namespace halvo {
namespace {

struct PlayerWindow : ::testing::Test {
  std::unique_ptr<CTamioDlg> Open(const std::string& locale = "en_US.UTF-8") {
    auto window = std::make_unique<CTamioDlg>(PlayerServices{&prompts, locale});
    window->show();
    return window;
  }
  ScriptedPrompts prompts;
};

TEST_F(PlayerWindow, ControlsSitAtTheirTemplateRectangles) {
  auto window = Open();
  for (const ControlTemplate& t : PlayerControls()) {
    QWidget* widget = window->control(t.id);
    ASSERT_NE(widget, nullptr) << static_cast<int>(t.id);
    const ControlRect r = DialogUnitsToPixels(t.units);
    EXPECT_EQ(widget->geometry(), QRect(r.x, r.y, r.width, r.height)) << static_cast<int>(t.id);
  }
  // Fixed size: the client area is 603 x 381 dialog units below the menu bar.
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->width(), 904);
  EXPECT_EQ(window->height(), 619 + window->menuBar()->height());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Halvo AVI Player"));
}

TEST_F(PlayerWindow, StartsWithNoClip) {
  auto window = Open();
  EXPECT_EQ(window->control<QLabel>(ControlId::ElapsedTime)->text(), QStringLiteral("00:00:00"));
  EXPECT_EQ(window->control<QLabel>(ControlId::TotalTime)->text(), QStringLiteral("/00:00:00"));
  EXPECT_EQ(window->control<QLineEdit>(ControlId::SearchLevel)->text(), QStringLiteral("5"));
  for (ControlId hidden : {ControlId::PanHorizontalBar, ControlId::PanVerticalBar, ControlId::Ok,
                           ControlId::Cancel, ControlId::SearchStop, ControlId::ZoomOut,
                           ControlId::StaticIcon}) {
    EXPECT_FALSE(window->control(hidden)->isVisible()) << static_cast<int>(hidden);
  }
  for (ControlId shown : {ControlId::MotionSearchGroup, ControlId::SearchBack,
                          ControlId::SearchForward, ControlId::SearchLevel}) {
    EXPECT_TRUE(window->control(shown)->isVisible()) << static_cast<int>(shown);
  }
  const char16_t* labels[] = {u"File name", u"Speed:", u"Zoom:", u"Resolution:", u"FPS:",
                              u"Record date:"};
  for (int pane = 0; pane < kStatusPaneCount; ++pane) {
    EXPECT_EQ(window->statusBar()->PaneText(pane), ToQString(labels[pane])) << pane;
  }
  EXPECT_EQ(window->state().zoomFactor, 0.5);
  EXPECT_EQ(window->state().speedStep, 1);
  EXPECT_EQ(window->state().videoWidth, 640);
  EXPECT_EQ(window->state().videoHeight, 480);
  EXPECT_FALSE(window->positionTimer().isActive());
  EXPECT_FALSE(window->speedTimer().isActive());
}

TEST_F(PlayerWindow, EscapeClosesTheWindow) {
  auto window = Open();
  QSignalSpy rejected(window.get(), &QDialog::rejected);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(rejected.count(), 1);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace halvo
