// The player window playing real clips through the real media graph (fake audio).
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ctamio_dlg.h"
#include "app/status_bar.h"
#include "controls/cpro_slider_ctrl.h"
#include "playback/video_area_widget.h"
#include "support/made_clips.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_player.h"

namespace halvo {
namespace {

constexpr int kDeadlineMs = 15000;

class PlayerPlayback : public ::testing::Test {
 protected:
  std::unique_ptr<CTamioDlg> Open() {
    auto window = std::make_unique<CTamioDlg>(TestPlayerServices(prompts));
    window->show();
    return window;
  }
  void OpenClips(CTamioDlg& window, std::vector<std::string> paths) {
    prompts.openAnswers.push_back(std::move(paths));
    window.OpenFiles();
  }
  static QString Pane(const CTamioDlg& window, int pane) {
    return window.statusBar()->PaneText(pane);
  }
  static int64_t FramePosition(CTamioDlg& window) {
    window.mediaGraph()->SetTimeFormat(TimeFormat::kFrame);
    const int64_t frame = window.mediaGraph()->CurrentPosition().value;
    window.mediaGraph()->SetTimeFormat(TimeFormat::kMediaTime);
    return frame;
  }
  static QRect Placement(const CTamioDlg& window) {
    return window.control<VideoAreaWidget>(ControlId::VideoArea)->Placement();
  }

  MadeClips clips;
  ScriptedPrompts prompts;
};

TEST_F(PlayerPlayback, OpeningSeveralClipsListsThemSortedAndPlaysTheFirst) {
  const std::vector<std::string> small{"--frames", "30", "--width", "160", "--height", "120"};
  const auto c = clips.Make("c.avi", small);
  const auto a = clips.Make("a.avi", small);
  const auto b = clips.Make("B.avi", small);
  auto window = Open();
  OpenClips(*window, {c, a, b});
  auto* list = window->control<QListWidget>(ControlId::PlayList);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "a.avi");
  EXPECT_EQ(list->item(1)->text(), "B.avi");
  EXPECT_EQ(list->item(2)->text(), "c.avi");
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(window->state().clipPath, a);
  EXPECT_EQ(Pane(*window, 0), "a.avi");
  EXPECT_EQ(Pane(*window, 3), "Resolution:160 x 120");
  EXPECT_EQ(Pane(*window, 2), "Zoom:100 %");
  EXPECT_EQ(Pane(*window, 1), "Speed:1 x");
  EXPECT_TRUE(window->positionTimer().isActive());
  // The scan worker fills panes 4 and 5 on the UI thread.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Pane(*window, 4) == "FPS:30 fps"; }, kDeadlineMs));
  EXPECT_EQ(Pane(*window, 5), "Record date:2012.06.22");
  EXPECT_TRUE(prompts.messages.empty());

  // Previous on the first entry does nothing; Next on the last wraps to the first.
  window->PreviousFile();
  EXPECT_EQ(list->currentRow(), 0);
  list->setCurrentRow(2);
  window->NextFile();
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_EQ(window->state().clipPath, a);

  // Delete removes only the selected name; afterwards nothing is selected.
  list->setCurrentRow(1);
  window->DeleteEntry();
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "c.avi");
  window->PreviousFile();
  EXPECT_EQ(window->state().clipPath, a);
}

TEST_F(PlayerPlayback, DeleteWithOneEntryDoesNothingAndACancelledOpenChangesNothing) {
  const auto only = clips.Make("only.avi", {"--frames", "10", "--width", "64", "--height", "48"});
  auto window = Open();
  OpenClips(*window, {only});
  auto* list = window->control<QListWidget>(ControlId::PlayList);
  EXPECT_EQ(window->state().clipFolder, only.substr(0, only.rfind('/')));
  window->DeleteEntry();
  EXPECT_EQ(list->count(), 1);
  window->OpenFiles();  // no answer scripted: the dialog is cancelled
  EXPECT_EQ(list->count(), 1);
  EXPECT_EQ(window->state().clipPath, only);
}

TEST_F(PlayerPlayback, TimeLabelsAndPlacementOnOpening) {
  struct Case {
    std::vector<std::string> options;
    QString total;
    QRect placement;
    QString zoom;
  };
  const Case cases[] = {
      {{"--frames", "65", "--rate", "1", "--width", "1280", "--height", "720"},
       "/ 01:05",
       {0, 60, 640, 360},
       "Zoom:50 %"},
      {{"--frames", "3725", "--rate", "1", "--width", "320", "--height", "240"},
       "/01:02:05",
       {160, 120, 320, 240},
       "Zoom:100 %"},
      {{"--frames", "5", "--width", "720", "--height", "480"},
       "/ 00:00",
       {-40, 0, 720, 480},
       "Zoom:100 %"},
  };
  auto window = Open();
  int n = 0;
  for (const Case& c : cases) {
    const auto clip = clips.Make("clip" + std::to_string(n++) + ".avi", c.options);
    window->control<QLabel>(ControlId::ElapsedTime)->setText("unchanged");
    window->OpenClip(clip);
    EXPECT_EQ(window->control<QLabel>(ControlId::TotalTime)->text(), c.total);
    const bool shortClip = c.total.size() == 7;
    EXPECT_EQ(window->control<QLabel>(ControlId::ElapsedTime)->text(),
              shortClip ? "     00:00" : "unchanged");
    EXPECT_EQ(Placement(*window), c.placement);
    EXPECT_EQ(Pane(*window, 2), c.zoom);
    EXPECT_FALSE(window->control(ControlId::PanHorizontalBar)->isVisible());
    EXPECT_EQ(window->control<CProSliderCtrl>(ControlId::SeekBar)->maximum(), 10000);
  }
}

TEST_F(PlayerPlayback, TransportSpeedStepsStopAndZoom) {
  const auto clip = clips.Make("t.avi", {"--frames", "90"});
  auto window = Open();
  OpenClips(*window, {clip});

  QStringList speeds;
  for (int i = 0; i < 6; ++i) {
    window->SpeedUp();
    speeds << Pane(*window, 1);
  }
  EXPECT_EQ(speeds, (QStringList{"Speed:2 x", "Speed:4 x", "Speed:8 x", "Speed:16 x", "Speed:32 x",
                                 "Speed:1 x"}));
  EXPECT_FALSE(window->speedTimer().isActive());
  window->SlowDown();
  EXPECT_EQ(Pane(*window, 1), "Speed:0.5 x");
  window->SlowDown();
  EXPECT_EQ(Pane(*window, 1), "Speed:0.5 x");
  window->SpeedUp();
  EXPECT_EQ(Pane(*window, 1), "Speed:1 x");

  window->Stop();
  EXPECT_EQ(FramePosition(*window), 0);
  EXPECT_EQ(window->control<CProSliderCtrl>(ControlId::SeekBar)->value(), 0);
  EXPECT_FALSE(window->positionTimer().isActive());

  // Each Skip Forward moves the picture exactly one frame on, also after a pause in play.
  for (int64_t frame : {1, 2}) {
    window->StepForward();
    EXPECT_TRUE(QTest::qWaitFor([&] { return FramePosition(*window) == frame; }, kDeadlineMs))
        << "at " << FramePosition(*window) << " instead of " << frame;
  }
  window->Play();
  ASSERT_TRUE(QTest::qWaitFor([&] { return FramePosition(*window) > 10; }, kDeadlineMs));
  window->Pause();
  const int64_t paused = FramePosition(*window);
  window->StepForward();
  EXPECT_TRUE(QTest::qWaitFor([&] { return FramePosition(*window) == paused + 1; }, kDeadlineMs))
      << "paused at " << paused << ", now " << FramePosition(*window);
  window->Stop();

  window->ZoomIn();
  EXPECT_EQ(Placement(*window), QRect(-80, -60, 800, 600));
  auto* horizontal = window->control<QScrollBar>(ControlId::PanHorizontalBar);
  auto* vertical = window->control<QScrollBar>(ControlId::PanVerticalBar);
  EXPECT_TRUE(horizontal->isVisible());
  EXPECT_EQ(horizontal->maximum(), 160);
  EXPECT_EQ(vertical->maximum(), 120);
  EXPECT_EQ(horizontal->value(), 80);
  EXPECT_EQ(vertical->value(), 60);
  EXPECT_EQ(Pane(*window, 2), "Zoom:125 %");
  // Dragging the horizontal thumb to 0 shows the picture's left edge.
  horizontal->setSliderPosition(0);
  horizontal->triggerAction(QAbstractSlider::SliderMove);
  EXPECT_EQ(Placement(*window).left(), 0);
  for (int i = 0; i < 4; ++i) window->ZoomIn();
  EXPECT_EQ(Pane(*window, 2), "Zoom:50 %");
  EXPECT_FALSE(horizontal->isVisible());
}

TEST_F(PlayerPlayback, EndOfAOneClipListReplaysIt) {
  const auto clip = clips.Make("one.avi", {"--frames", "10", "--width", "64", "--height", "48"});
  auto window = Open();
  OpenClips(*window, {clip});
  auto& state = window->state();
  ASSERT_TRUE(QTest::qWaitFor([&] { return state.seekPosition > 5000; }, kDeadlineMs));
  EXPECT_TRUE(QTest::qWaitFor([&] { return state.seekPosition < 3000; }, kDeadlineMs));
  EXPECT_TRUE(window->positionTimer().isActive());
  EXPECT_EQ(state.clipPath, clip);
}

TEST_F(PlayerPlayback, EndOfAClipOpensTheNextEntry) {
  const std::vector<std::string> small{"--frames", "10", "--width", "64", "--height", "48"};
  auto window = Open();
  OpenClips(*window,
            {clips.Make("a.avi", small), clips.Make("b.avi", small), clips.Make("c.avi", small)});
  auto* list = window->control<QListWidget>(ControlId::PlayList);
  list->setCurrentRow(2);
  window->OpenSelected();
  EXPECT_TRUE(QTest::qWaitFor([&] { return Pane(*window, 0) == "a.avi"; }, kDeadlineMs));
  EXPECT_EQ(list->currentRow(), 0);
}

TEST_F(PlayerPlayback, BackPlayFromTheMiddleMovesBack) {
  const auto clip =
      clips.Make("back.avi", {"--frames", "150", "--width", "160", "--height", "120"});
  auto window = Open();
  OpenClips(*window, {clip});
  auto* seek = window->control<CProSliderCtrl>(ControlId::SeekBar);
  seek->setSliderPosition(5000);
  window->SeekFromBar();
  window->Pause();
  window->BackPlay();
  const int64_t start = *window->state().backPlayPosition;
  EXPECT_GT(start, 2'000'000);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->state().backPlayPosition < start - 1'000'000; },
                              kDeadlineMs));
  EXPECT_TRUE(QTest::qWaitFor([&] { return seek->value() < 4500; }, kDeadlineMs));
}

TEST_F(PlayerPlayback, ReachingTheEndWhilePausedNeverBlocks) {
  const auto clip = clips.Make("ff.avi", {"--frames", "30", "--width", "64", "--height", "48"});
  auto window = Open();
  OpenClips(*window, {clip});
  window->Pause();
  window->mediaGraph()->SetTimeFormat(TimeFormat::kMediaTime);
  window->mediaGraph()->SeekTo(window->mediaGraph()->Duration().value);
  QElapsedTimer tick;
  tick.start();
  window->PositionTick();
  EXPECT_LT(tick.elapsed(), 1000);
  // Stepped fast forward past the end starts over at the first frame, paused.
  window->SpeedUp();
  window->SpeedUp();
  window->SpeedUp();
  window->SpeedUp();
  window->SpeedUp();  // 32 x: 96 frames a tick, past the end of 30
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->state().clipInfo.frameRateText.empty(); },
                              kDeadlineMs));
  tick.restart();
  window->SpeedTick();
  window->PositionTick();
  EXPECT_LT(tick.elapsed(), 1000);
}

TEST_F(PlayerPlayback, AFileThatIsNoVideoReportsTheDurationFailureAndThePlayerGoesOn) {
  const std::string bad = clips.PathOf("notes.avi");
  QFile file(QString::fromStdString(bad));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(4096, 'x'));
  file.close();
  auto window = Open();
  OpenClips(*window, {bad});
  ASSERT_GE(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].text, u"ERROR - Get Duration Failed\n");
  EXPECT_TRUE(prompts.messages[1].text.starts_with(u"Error Code: 0x"));
  EXPECT_EQ(prompts.messages[0].caption, u"halvo-player");

  const auto good = clips.Make("good.avi", {"--frames", "10", "--width", "64", "--height", "48"});
  OpenClips(*window, {good});
  EXPECT_EQ(Pane(*window, 3), "Resolution:64 x 48");
}

TEST_F(PlayerPlayback, EnterRescansTheCurrentClip) {
  auto window = Open();
  QTest::keyClick(window.get(), Qt::Key_Return);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, u"Failed !! Error code:1001 ");
  EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Information);
  EXPECT_TRUE(window->isVisible());

  const auto clip = clips.Make("scan.avi", {"--frames", "12", "--rate", "25", "--width", "64",
                                            "--height", "48", "--record-name", "CAM\\2020_01_02"});
  OpenClips(*window, {clip});
  window->statusBar()->SetPaneText(4, "stale");
  QTest::keyClick(window.get(), Qt::Key_Return);
  EXPECT_EQ(Pane(*window, 4), "FPS:25 fps");
  EXPECT_EQ(Pane(*window, 5), "Record date:2020.01.02");
  EXPECT_EQ(window->state().frameIndex.Get(11) > 0, true);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace halvo
