// Transport buttons, speed ladder, frame steps, zoom, panning and volume.
#include <QLabel>
#include <QScrollBar>
#include <QSlider>

#include "app/ctamio_dlg.h"
#include "app/status_bar.h"
#include "controls/cbutton_st.h"
#include "controls/cpro_slider_ctrl.h"
#include "language/status_panes.h"
#include "playback/picture_placement.h"
#include "playback/speed_ladder.h"
#include "playback/time_labels.h"
#include "playback/video_area_widget.h"

namespace halvo {

inline constexpr int64_t kTenthOfASecond = kTicksPerSecond / 10;

void CTamioDlg::ShowSpeed(std::u16string_view speedText) {
  SetPane(1, state_->labels.speedLabel, speedText);
}

void CTamioDlg::SetSeekThumb(int position) {
  seekBar()->setValue(position);
  seekBar()->SetProgress(position);
}

void CTamioDlg::BackPlay() {
  if (PlaylistEmpty()) return;
  PlayerState& s = *state_;
  graph_->SetRate(1.0);
  s.speedStep = 1;
  ShowSpeed(SpeedText(1));
  speedTimer_.stop();
  positionTimer_.stop();
  s.backPlaying = true;
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  const int64_t duration = graph_->Duration().value;
  if (seekBar()->value() == 0) {
    SetSeekThumb(kSeekScale);
    graph_->SetTimeFormat(TimeFormat::kMediaTime);
    graph_->SeekTo(duration);
  }
  graph_->Pause();
  s.backPlayPosition = MediaPositionOfSeek(seekBar()->value(), duration);
  positionTimer_.start();
}

void CTamioDlg::Play() {
  if (PlaylistEmpty()) return;
  PlayerState& s = *state_;
  s.backPlaying = false;
  positionTimer_.stop();
  speedTimer_.stop();
  graph_->SetRate(1.0);
  s.speedStep = 1;
  ShowSpeed(SpeedText(1));
  s.muted = false;
  positionTimer_.start();
  graph_->Run();
}

void CTamioDlg::Pause() {
  if (PlaylistEmpty()) return;
  positionTimer_.stop();
  graph_->Pause();
  state_->fastForwardActive = false;
  graph_->StopWhenReady();
  control(ControlId::SearchBack)->setEnabled(true);
  control(ControlId::SearchForward)->setEnabled(true);
}

void CTamioDlg::Stop() {
  if (PlaylistEmpty()) return;
  graph_->Stop();
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  graph_->SeekTo(0);
  graph_->Run();
  graph_->Pause();
  // The moment of running may already have shown the next frame: back to the first.
  graph_->SeekTo(0);
  graph_->StopWhenReady();
  positionTimer_.stop();
  speedTimer_.stop();
  graph_->SetRate(1.0);
  control<QLabel>(ControlId::ElapsedTime)->setText(QStringLiteral("00 / 00 / 00"));
  state_->seekPosition = 0;
  SetSeekThumb(0);
}

void CTamioDlg::SpeedUp() {
  if (PlaylistEmpty()) return;
  PlayerState& s = *state_;
  graph_->SetTimeFormat(TimeFormat::kFrame);
  s.fastForwardFrame = graph_->CurrentPosition().value;
  graph_->SeekTo(s.fastForwardFrame);
  s.speedStep = NextFasterStep(s.speedStep);
  positionTimer_.start();
  s.fastForwardActive = true;
  s.backPlaying = false;
  if (s.speedStep == kNormalSpeed) {
    ShowSpeed(SpeedText(1));
    speedTimer_.stop();
    graph_->SetRate(1.0);
    graph_->Run();
  } else {
    ShowSpeed(SpeedText(s.speedStep));
    speedTimer_.start();
  }
}

void CTamioDlg::SlowDown() {
  if (PlaylistEmpty()) return;
  PlayerState& s = *state_;
  s.speedStep = NextSlowerStep(s.speedStep);
  if (s.speedStep == kNormalSpeed) {
    ShowSpeed(SpeedText(1));
    speedTimer_.stop();
    graph_->SetRate(1.0);
    graph_->Run();
  } else if (s.speedStep == kHalfSpeed) {
    speedTimer_.stop();
    positionTimer_.start();
    graph_->SetRate(0.5);
    graph_->Run();
    ShowSpeed(SpeedText(kHalfSpeed));
  } else {
    ShowSpeed(SpeedText(s.speedStep));
    speedTimer_.start();
  }
}

void CTamioDlg::SpeedTick() {
  PlayerState& s = *state_;
  if (!s.fastForwardActive || graph_ == nullptr || !graph_->IsOpen()) return;
  graph_->SetTimeFormat(TimeFormat::kFrame);
  s.fastForwardFrame = graph_->CurrentPosition().value;
  const int64_t clipFrames = graph_->Duration().value;
  s.fastForwardFrame = NextFastForwardFrame(
      s.fastForwardFrame, FastForwardFrames(s.clipInfo.frameRateText, s.speedStep), clipFrames);
  graph_->SeekTo(s.fastForwardFrame);
  graph_->Pause();
}

void CTamioDlg::StepForward() {
  if (PlaylistEmpty()) return;
  graph_->Pause();
  graph_->SetRate(1.0);
  state_->speedStep = 1;
  ShowSpeed(SpeedText(1));
  speedTimer_.stop();
  graph_->StepOneFrame();
}

void CTamioDlg::StepBack() {
  if (PlaylistEmpty()) return;
  graph_->SetRate(1.0);
  state_->speedStep = 1;
  ShowSpeed(SpeedText(1));
  speedTimer_.stop();
  state_->backPlaying = false;
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  const int64_t position = graph_->CurrentPosition().value - kTenthOfASecond;
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  graph_->SeekTo(position);
  graph_->Pause();
}

void CTamioDlg::ZoomIn() {
  PlayerState& s = *state_;
  if (!PlaylistEmpty()) {
    s.zoomFactor = NextZoomFactor(s.zoomFactor, s.videoWidth);
    PlacePicture();
    const QRect placed = videoArea()->Placement();
    const PanBars bars = PanBarsFor({placed.x(), placed.y(), placed.width(), placed.height()},
                                    s.videoWidth, s.videoHeight, s.zoomFactor);
    ShowPanBars(bars.visible);
    if (bars.visible) {
      auto* horizontal = control<QScrollBar>(ControlId::PanHorizontalBar);
      auto* vertical = control<QScrollBar>(ControlId::PanVerticalBar);
      vertical->setRange(0, bars.verticalMaximum);
      horizontal->setRange(0, bars.horizontalMaximum);
      horizontal->setValue(bars.horizontalThumb);
      vertical->setValue(bars.verticalThumb);
    }
    SetPane(2, s.labels.zoomLabel, ZoomText(s.zoomFactor));
  }
  update();
}

void CTamioDlg::PanPicture(QScrollBar* bar, int action) {
  PlayerState& s = *state_;
  const QRect placed = videoArea()->Placement();
  auto* horizontal = control<QScrollBar>(ControlId::PanHorizontalBar);
  auto* vertical = control<QScrollBar>(ControlId::PanVerticalBar);
  s.panX = horizontal->value();
  s.panY = vertical->value();
  ScrollCode code = ScrollCode::EndScroll;
  switch (action) {
    case -1:  // the thumb was dropped
      code = ScrollCode::ThumbPosition;
      break;
    case QAbstractSlider::SliderMove:
      code = ScrollCode::ThumbTrack;
      break;
    case QAbstractSlider::SliderToMinimum:
      code = ScrollCode::Top;
      break;
    case QAbstractSlider::SliderToMaximum:
      code = ScrollCode::Bottom;
      break;
    default:  // arrow and page clicks leave the offset as it is
      code = ScrollCode::LineUp;
      break;
  }
  const bool isHorizontal = bar == horizontal;
  int& offset = isHorizontal ? s.panX : s.panY;
  const int extent = isHorizontal ? placed.width() - kFrameWidth : placed.height() - kFrameHeight;
  offset = PanOffset(code, offset, bar->sliderPosition(), extent);
  bar->setSliderPosition(offset);
  videoArea()->SetPlacement(-s.panX, -s.panY, placed.width(), placed.height());
}

void CTamioDlg::SetUpVolume() {
  PlayerState& s = *state_;
  s.mixer = MixerFields{};
  QSlider& bar = *volumeBar();
  VolumeMixer* mixer = services_.mixer.get();
  const MixerOpenResult opened = mixer != nullptr ? mixer->Open() : MixerOpenResult::kNoDevice;
  if (opened == MixerOpenResult::kOpenFailed) {
    s.mixer.mixerDeviceCount = 1;
  } else if (opened != MixerOpenResult::kOpened) {
    s.mixer.mixerDeviceCount = opened == MixerOpenResult::kNoDevice ? 0 : 1;
    bar.setEnabled(false);
  } else {
    s.mixer.mixerDeviceCount = 1;
    s.mixer.mixerOpen = true;
    s.mixer.volumeMinimum = mixer->Minimum();
    s.mixer.volumeMaximum = mixer->Maximum();
    bar.setRange(static_cast<int>(s.mixer.volumeMinimum), static_cast<int>(s.mixer.volumeMaximum));
    if (const auto volume = mixer->Volume()) bar.setValue(static_cast<int>(*volume));
  }
  if (s.mixer.mixerOpen) s.savedVolume = mixer->Volume().value_or(0);
}

void CTamioDlg::SetVolumeFromBar() {
  if (!state_->mixer.mixerOpen) return;
  services_.mixer->SetVolume(static_cast<uint32_t>(volumeBar()->sliderPosition()));
}

void CTamioDlg::ToggleVoice() {
  PlayerState& s = *state_;
  VolumeMixer* mixer = s.mixer.mixerOpen ? services_.mixer.get() : nullptr;
  if (s.muted) {
    SetVoiceIcon(IconId::Voice);
    if (mixer != nullptr) mixer->SetVolume(s.savedVolume);
    s.muted = false;
  } else {
    if (mixer != nullptr) {
      if (const auto volume = mixer->Volume()) s.savedVolume = *volume;
      mixer->SetVolume(0);
    }
    SetVoiceIcon(IconId::VoiceMuted);
    s.muted = true;
  }
}

}  // namespace halvo
