// The position timer: seek bar and elapsed time, Back Play, the end of a clip.
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "app/ctamio_dlg.h"
#include "controls/cpro_slider_ctrl.h"
#include "language/qt_text.h"
#include "playback/time_labels.h"

namespace halvo {
namespace {

constexpr int64_t kTenthOfASecond = kTicksPerSecond / 10;

}  // namespace

void CTamioDlg::PositionTick() {
  PlayerState& s = *state_;
  if (graph_ == nullptr || !graph_->IsOpen()) return;
  bool ended = false;
  for (const MediaEvent& event : graph_->PollEvents()) {
    ended |= event.kind == MediaEvent::Kind::kEndOfStream;
  }

  if (!s.mouseHeld) {
    graph_->SetTimeFormat(TimeFormat::kMediaTime);
    const MediaValue<int64_t> duration = graph_->Duration();
    const MediaValue<int64_t> current = graph_->CurrentPosition();
    // An unreadable or zero duration leaves the display as it is.
    if (const auto pos = SeekScalePosition(current.value, duration.value);
        pos && duration.ok() && current.ok()) {
      s.seekPosition = *pos;
      SetSeekThumb(*pos);
      auto* total = control<QLabel>(ControlId::TotalTime);
      control<QLabel>(ControlId::ElapsedTime)
          ->setText(ToQString(ElapsedLabel(duration.value, *pos, total->text().size())));
    }
  }

  if (s.backPlaying) {
    if (seekBar()->value() == 0) {
      SetSeekThumb(kSeekScale - 1);
    } else {
      s.backPlayPosition = s.backPlayPosition.value_or(0) - kTenthOfASecond;
      graph_->SetTimeFormat(TimeFormat::kMediaTime);
      graph_->SeekTo(*s.backPlayPosition);
    }
    return;
  }

  const int thumb = seekBar()->value() + 1;
  seekBar()->setValue(thumb);
  seekBar()->SetProgress(thumb + 1);
  // The pipeline's own end-of-stream counts as the end too: its last position may stop
  // a hair short of the duration.
  if (s.seekPosition >= kSeekScale || ended) EndOfClip();
}

void CTamioDlg::EndOfClip() {
  // Bounded: the rest of the clip plus a second while running, nothing when paused.
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  const int64_t remaining =
      std::max<int64_t>(0, graph_->Duration().value - graph_->CurrentPosition().value);
  graph_->WaitForCompletion(std::chrono::milliseconds(remaining / 10'000 + 1000));
  if (playList()->count() == 1) {
    SetSeekThumb(0);
    Stop();
    Play();
  } else {
    Stop();
    NextFile();
    Play();
    speedTimer_.stop();
  }
}

void CTamioDlg::SeekFromBar() {
  if (PlaylistEmpty()) return;
  Play();
  graph_->SetTimeFormat(TimeFormat::kMediaTime);
  const int64_t duration = graph_->Duration().value;
  graph_->SeekTo(MediaPositionOfSeek(seekBar()->sliderPosition(), duration));
}

void CTamioDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !PlaylistEmpty()) {
    positionTimer_.stop();
    state_->mouseHeld = true;
  }
  QDialog::mousePressEvent(event);
}

void CTamioDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !PlaylistEmpty()) {
    state_->mouseHeld = false;
    positionTimer_.start();
  }
  QDialog::mouseReleaseEvent(event);
}

}  // namespace halvo
