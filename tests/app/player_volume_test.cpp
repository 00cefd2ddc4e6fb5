// The volume bar and the Voice button on a scripted mixer; dropping clips on the window.
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QSlider>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/ctamio_dlg.h"
#include "controls/cbutton_st.h"
#include "resources/icons.h"
#include "support/fake_volume_mixer.h"
#include "support/made_clips.h"
#include "support/test_player.h"

namespace halvo {
namespace {

struct PlayerVolume : ::testing::Test {
  std::unique_ptr<CTamioDlg> Open(FakeVolumeMixer* mixer) {
    PlayerServices services = TestPlayerServices(prompts);
    if (mixer != nullptr) services.mixer.reset(mixer);
    auto window = std::make_unique<CTamioDlg>(std::move(services));
    window->show();
    return window;
  }
  static QSlider* VolumeBar(const CTamioDlg& window) {
    return window.control<QSlider>(ControlId::VolumeBar);
  }
  ScriptedPrompts prompts;
};

TEST_F(PlayerVolume, TheBarFollowsTheMixerAndUnmutingRestoresTheSavedVolume) {
  auto* mixer = new FakeVolumeMixer;  // owned by the window
  auto window = Open(mixer);
  QSlider* bar = VolumeBar(*window);
  EXPECT_TRUE(bar->isEnabled());
  EXPECT_EQ(bar->maximum(), 65535);
  EXPECT_EQ(bar->value(), 40000);
  EXPECT_EQ(window->state().savedVolume, 40000u);

  auto* voice = window->control<CButtonST>(ControlId::Voice);
  window->ToggleVoice();
  EXPECT_TRUE(window->state().muted);
  EXPECT_EQ(mixer->sets.back(), 0u);
  EXPECT_EQ(voice->normalIcon(), IconImage(IconId::VoiceMuted));

  bar->setSliderPosition(1000);
  bar->triggerAction(QAbstractSlider::SliderMove);
  EXPECT_EQ(mixer->sets.back(), 1000u);
  EXPECT_TRUE(window->state().muted);  // moving the bar leaves the mute flag alone

  window->ToggleVoice();
  EXPECT_FALSE(window->state().muted);
  EXPECT_EQ(mixer->sets.back(), 40000u);  // the volume saved when muting, not the bar's
  EXPECT_EQ(voice->normalIcon(), IconImage(IconId::Voice));
}

TEST_F(PlayerVolume, WithoutASoundCardTheBarIsDisabledAndVoiceStillToggles) {
  auto window = Open(nullptr);
  EXPECT_FALSE(VolumeBar(*window)->isEnabled());
  window->ToggleVoice();
  EXPECT_TRUE(window->state().muted);
  window->ToggleVoice();
  EXPECT_FALSE(window->state().muted);

  auto* failing = new FakeVolumeMixer;
  failing->openResult = MixerOpenResult::kOpenFailed;
  auto keeps = Open(failing);
  EXPECT_TRUE(VolumeBar(*keeps)->isEnabled());  // the set-up ends, the bar keeps its state
}

TEST_F(PlayerVolume, DroppedClipsOpenLikeFileOpen) {
  MadeClips clips;
  const std::vector<std::string> small{"--frames", "5", "--width", "64", "--height", "48"};
  const auto b = clips.Make("b.avi", small);
  const auto a = clips.Make("a.avi", small);
  auto window = Open(nullptr);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(b)),
                QUrl::fromLocalFile(QString::fromStdString(clips.PathOf("notes.txt"))),
                QUrl::fromLocalFile(QString::fromStdString(a))});
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  // Straight to the window: outside a real drag the application does not route drops.
  static_cast<QObject*>(window.get())->event(&drop);
  EXPECT_TRUE(drop.isAccepted());
  auto* list = window->control<QListWidget>(ControlId::PlayList);
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "a.avi");
  EXPECT_EQ(window->state().clipPath, a);
}

}  // namespace
}  // namespace halvo
