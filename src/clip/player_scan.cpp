// The player window's side of the clip scan: workers per clip, results on the UI thread.
#include "app/ctamio_dlg.h"
#include "app/prompts.h"
#include "app/status_bar.h"
#include "clip/clip_scanner.h"

namespace halvo {

void CTamioDlg::StartScan() {
  const PlayerState& s = *state_;
  // The window joins its workers before it goes, and Qt drops calls queued to a
  // window that is gone, so a result never reaches freed state.
  scans_.Start(s.clipPath, s.clipInfo.keyframeIndex, state_->frameIndex, [this](ScanResult result) {
    QMetaObject::invokeMethod(
        this, [this, result = std::move(result)] { OnScanFinished(result); }, Qt::QueuedConnection);
  });
}

void CTamioDlg::ScanCurrentClip() {
  scans_.CancelAll();
  const PlayerState& s = *state_;
  OnScanFinished(ScanClip(s.clipPath, s.clipInfo.keyframeIndex, state_->frameIndex));
}

void CTamioDlg::OnScanFinished(const ScanResult& result) {
  PlayerState& s = *state_;
  if (result.opened) {
    ApplyScanResult(result, s.clipInfo);
    SetPane(4, s.labels.frameRateLabel, result.frameRatePane);
    if (result.recordDatePane) SetPane(5, s.labels.recordDateLabel, *result.recordDatePane);
  }
  for (const ScanMessage& message : result.messages) ShowMessage(message.text, message.icon);
}

}  // namespace halvo
