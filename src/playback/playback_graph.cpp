// Opening and closing a clip's media graph.
#include <QLabel>
#include <QScrollBar>

#include "app/ctamio_dlg.h"
#include "app/playlist_rules.h"
#include "app/prompts.h"
#include "app/status_bar.h"
#include "controls/cpro_slider_ctrl.h"
#include "language/qt_text.h"
#include "language/status_panes.h"
#include "language/text.h"
#include "playback/picture_placement.h"
#include "playback/time_labels.h"
#include "playback/video_area_widget.h"

namespace halvo {

inline constexpr std::u16string_view kSetFormatFailed = u"ERROR - Set Format Failed\n";
inline constexpr std::u16string_view kGetDurationFailed = u"ERROR - Get Duration Failed\n";

void CTamioDlg::OpenClip(const std::string& path) {
  PlayerState& s = *state_;
  statusBar_->SetPaneText(0, QString::fromStdString(BareName(path)));
  CloseClip(true);
  const MediaResult built = graph_->Open(path);

  if (const auto size = graph_->VideoSize(); size.ok()) {
    s.videoWidth = size.value.width;
    s.videoHeight = size.value.height;
  }
  SetPane(3, s.labels.resolutionLabel, ResolutionText(s.videoWidth, s.videoHeight));
  ShowPanBars(false);
  s.zoomFactor = OpeningZoomFactor(s.videoWidth);
  SetPane(2, s.labels.zoomLabel, ZoomText(s.zoomFactor));
  PlacePicture();
  graph_->Run();
  graph_->Pause();
  update();

  if (!built.ok()) {
    ShowMessage(kSetFormatFailed);
    return;
  }
  const MediaValue<int64_t> duration = graph_->Duration();
  if (!duration.ok()) {
    ShowMessage(kGetDurationFailed);
    ShowMessage(FormatText("Error Code: 0x%x", duration.code));
    return;
  }
  seekBar()->setRange(0, kSeekScale);
  seekBar()->setProgressMaximum(kSeekScale);
  const OpeningTimeLabels labels = OpeningLabels(duration.value);
  control<QLabel>(ControlId::TotalTime)->setText(ToQString(labels.total));
  if (labels.elapsed) control<QLabel>(ControlId::ElapsedTime)->setText(ToQString(*labels.elapsed));
  s.speedStep = 1;
  ShowSpeed(SpeedText(1));

  StartScan();
  if (!s.clipInfo.keyframeIndex) ShowMotionSearch(true);
  update();
}

void CTamioDlg::CloseClip(bool stopFirst) {
  if (graph_ == nullptr || !graph_->IsOpen()) return;
  if (stopFirst) graph_->Stop();
  graph_->Close();
}

void CTamioDlg::PlacePicture() {
  const PicturePlacement p =
      halvo::PlacePicture(state_->videoWidth, state_->videoHeight, state_->zoomFactor);
  videoArea()->SetPlacement(p.left, p.top, p.width, p.height);
}

void CTamioDlg::ShowPanBars(bool visible) {
  control(ControlId::PanHorizontalBar)->setVisible(visible);
  control(ControlId::PanVerticalBar)->setVisible(visible);
}

}  // namespace halvo
