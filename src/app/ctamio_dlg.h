#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/player_state.h"
#include "clip/clip_scan_workers.h"
#include "language/menu_bar_builder.h"
#include "language/os_version.h"
#include "platform/media/media_graph.h"
#include "platform/media/video_frame_sink.h"
#include "platform/mixer/volume_mixer.h"

class QListWidget;
class QMenuBar;
class QScrollBar;
class QSlider;

namespace halvo {

class CButtonST;
class CProSliderCtrl;
class Prompts;
class StatusBar;
class VideoAreaWidget;

// What the player window needs from outside; main() gives the real ones, tests their own.
struct PlayerServices {
  Prompts* prompts = nullptr;
  std::string localeName = "C";
  std::function<std::optional<OsVersion>()> readOsVersion;
  // The media graph of the clips, painting into the given video area.
  std::function<std::unique_ptr<MediaGraph>(FrameSink*)> makeMediaGraph;
  // The message naming missing decoders, or nothing.
  std::function<std::optional<std::u16string>()> checkDecoders;
  std::unique_ptr<VolumeMixer> mixer;
};

// The player window: holds PlayerState, lays out the controls, routes commands.
// Handlers live in files of their subsystem (playlist, playback graph, transport,
// position timer, clip scan, language).
class CTamioDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTamioDlg(PlayerServices services, QWidget* parent = nullptr);
  ~CTamioDlg() override;

  PlayerState& state() { return *state_; }
  const PlayerState& state() const { return *state_; }
  QWidget* control(ControlId id) const;
  template <typename T>
  T* control(ControlId id) const {
    return qobject_cast<T*>(control(id));
  }
  StatusBar* statusBar() const { return statusBar_; }
  QMenuBar* menuBar() const { return menuBar_; }
  QTimer& positionTimer() { return positionTimer_; }
  QTimer& speedTimer() { return speedTimer_; }
  MediaGraph* mediaGraph() const { return graph_.get(); }

  // Language
  void ApplyLanguage(LanguageId id);
  void RefreshStatusPanes();

  // Playlist and clip opening
  void OpenFiles();
  void OpenClipFiles(const std::vector<std::string>& paths);
  void OpenSelected();
  void PreviousFile();
  void NextFile();
  void DeleteEntry();

  // Playback graph
  void OpenClip(const std::string& path);
  void CloseClip(bool stopFirst);

  // Transport, speed, zoom and volume
  void BackPlay();
  void Play();
  void Pause();
  void Stop();
  void SpeedUp();
  void SlowDown();
  void SpeedTick();
  void StepForward();
  void StepBack();
  void ZoomIn();
  void PanPicture(QScrollBar* bar, int action);
  void SetVolumeFromBar();
  void ToggleVoice();

  // Position timer and seek bar
  void PositionTick();
  void SeekFromBar();

  // Clip scan: the Enter key re-scans the current clip on this thread.
  void ScanCurrentClip();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void OnInitDialog();
  void CreateStatusBar();
  void SetUpButtonIcons();
  void SetUpVolume();
  void WireRoutes();
  void ConnectMenu(MenuCommand command, void (CTamioDlg::*handler)());
  void ConnectClick(ControlId button, void (CTamioDlg::*handler)());
  void SetIconButtonTooltip(const ControlText& tooltip);
  void ShowAboutBox();
  void ShowMessage(std::u16string_view text, PromptIcon icon = PromptIcon::None);

  bool PlaylistEmpty() const;
  void SetPane(int pane, std::u16string_view label, std::u16string_view value);
  void ShowSpeed(std::u16string_view speedText);
  void PlacePicture();
  void ShowPanBars(bool visible);
  void ShowMotionSearch(bool visible);
  void SetSeekThumb(int position);
  void EndOfClip();
  void StartScan();
  void OnScanFinished(const ScanResult& result);
  void SetVoiceIcon(IconId icon);

  QListWidget* playList() const;
  CProSliderCtrl* seekBar() const;
  QSlider* volumeBar() const;
  VideoAreaWidget* videoArea() const;

  PlayerServices services_;
  std::unique_ptr<PlayerState> state_;
  ClipScanWorkers scans_;  // after state_: joined before FrameIndex goes away
  std::unique_ptr<MediaGraph> graph_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  MenuActions menuActions_;
  StatusBar* statusBar_ = nullptr;
  QTimer positionTimer_;  // timer 101
  QTimer speedTimer_;     // timer 1
};

}  // namespace halvo
