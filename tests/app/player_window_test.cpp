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
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_player.h"

namespace halvo {
namespace {

struct PlayerWindow : ::testing::Test {
  std::unique_ptr<CTamioDlg> Open(const std::string& locale = "en_US.UTF-8") {
    auto window = std::make_unique<CTamioDlg>(TestPlayerServices(prompts, locale, os));
    window->show();
    return window;
  }
  ScriptedPrompts prompts;
  std::optional<OsVersion> os = OsVersion{};
};

TEST_F(PlayerWindow, ControlsSitAtTheirTemplateRectangles) {
  auto window = Open();
  for (const ControlTemplate& t : PlayerControls()) {
    QWidget* widget = window->control(t.id);
    ASSERT_NE(widget, nullptr) << static_cast<int>(t.id);
    const TemplateRect r = DialogUnitsToPixels(t.units);
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
  for (ControlId hidden :
       {ControlId::PanHorizontalBar, ControlId::PanVerticalBar, ControlId::Ok, ControlId::Cancel,
        ControlId::SearchStop, ControlId::ZoomOut, ControlId::StaticIcon}) {
    EXPECT_FALSE(window->control(hidden)->isVisible()) << static_cast<int>(hidden);
  }
  for (ControlId shown : {ControlId::MotionSearchGroup, ControlId::SearchBack,
                          ControlId::SearchForward, ControlId::SearchLevel}) {
    EXPECT_TRUE(window->control(shown)->isVisible()) << static_cast<int>(shown);
  }
  const char16_t* labels[] = {u"File name",   u"Speed:", u"Zoom:",
                              u"Resolution:", u"FPS:",   u"Record date:"};
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

TEST_F(PlayerWindow, UnreadableOsVersionIsReportedAndStartUpGoesOn) {
  os.reset();
  auto window = Open();
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, u"Get System OS Version Failed");
  EXPECT_EQ(prompts.messages[0].caption, u"halvo-player");
  EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
  EXPECT_TRUE(window->state().quickFormat);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(PlayerWindow, EscapeClosesTheWindow) {
  auto window = Open();
  QSignalSpy rejected(window.get(), &QDialog::rejected);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(rejected.count(), 1);
  EXPECT_FALSE(window->isVisible());
}

QStringList CheckedLanguageItems(const CTamioDlg& window) {
  QStringList checked;
  for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
    if (action->isCheckable() && action->isChecked()) checked << action->text();
  }
  return checked;
}

TEST_F(PlayerWindow, StartsInTheLocaleLanguageAndSwitchesFromTheMenu) {
  auto window = Open("ja_JP.UTF-8");
  EXPECT_EQ(window->state().languageId, LanguageId::Japanese);
  EXPECT_EQ(window->control<QGroupBox>(ControlId::MotionSearchGroup)->title(),
            QStringLiteral("ﾓｰｼｮﾝ検索"));
  EXPECT_EQ(window->control(ControlId::Play)->toolTip(), QStringLiteral("再生"));
  EXPECT_EQ(CheckedLanguageItems(*window), QStringList{QStringLiteral("日本語")});
  // Before any clip the panes show the bare labels of the start-up language.
  EXPECT_EQ(window->statusBar()->PaneText(0), QStringLiteral("ファイル名"));
  EXPECT_EQ(window->statusBar()->PaneText(4), QStringLiteral("フレーム数:"));

  auto* korean = window->menuBar()->findChild<QAction*>(QStringLiteral("menu_32798"));
  ASSERT_NE(korean, nullptr);
  korean->trigger();
  EXPECT_EQ(window->state().languageId, LanguageId::Korean);
  EXPECT_EQ(window->control<QPushButton>(ControlId::Delete)->text(), QStringLiteral("정정"));
  EXPECT_EQ(CheckedLanguageItems(*window), QStringList{QStringLiteral("한국어")});
  // A switch rebuilds the panes from the state: label followed by the value.
  EXPECT_EQ(window->statusBar()->PaneText(0), QStringLiteral("파일명"));
  EXPECT_EQ(window->statusBar()->PaneText(1), QStringLiteral("속도:1 x"));
  EXPECT_EQ(window->statusBar()->PaneText(4), QStringLiteral("FPS:"));
}

TEST_F(PlayerWindow, ExitMenuAcceptsTheWindow) {
  auto window = Open();
  QSignalSpy accepted(window.get(), &QDialog::accepted);
  window->menuBar()->findChild<QAction*>(QStringLiteral("menu_32796"))->trigger();
  EXPECT_EQ(accepted.count(), 1);
}

}  // namespace
}  // namespace halvo
