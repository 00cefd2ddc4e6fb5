#include "app/ctamio_dlg.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QSlider>
#include <QUrl>
#include <QVBoxLayout>

#include "app/player_controls.h"
#include "app/player_template.h"
#include "app/prompts.h"
#include "app/status_bar.h"
#include "controls/cbutton_st.h"
#include "controls/cpro_slider_ctrl.h"
#include "language/language_choice.h"
#include "language/qt_text.h"
#include "playback/video_area_widget.h"
#include "resources/icons.h"

namespace halvo {

CTamioDlg::CTamioDlg(PlayerServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), state_(std::make_unique<PlayerState>()) {
  setWindowTitle(QStringLiteral("Halvo AVI Player"));
  setObjectName(QStringLiteral("CTamioDlg"));
  setAcceptDrops(true);
  positionTimer_.setInterval(100);
  speedTimer_.setInterval(200);
  CreateControls();
  OnInitDialog();
  WireRoutes();
}

CTamioDlg::~CTamioDlg() {
  scans_.CancelAll();
  CloseClip(false);
}

QWidget* CTamioDlg::control(ControlId id) const {
  return client_->findChild<QWidget*>(ControlObjectName(id), Qt::FindDirectChildrenOnly);
}

QListWidget* CTamioDlg::playList() const { return control<QListWidget>(ControlId::PlayList); }
CProSliderCtrl* CTamioDlg::seekBar() const { return control<CProSliderCtrl>(ControlId::SeekBar); }
QSlider* CTamioDlg::volumeBar() const { return control<QSlider>(ControlId::VolumeBar); }
VideoAreaWidget* CTamioDlg::videoArea() const {
  return control<VideoAreaWidget>(ControlId::VideoArea);
}

void CTamioDlg::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  menuBar_ = new QMenuBar(this);
  layout->setMenuBar(menuBar_);

  const TemplateRect client = DialogUnitsToPixels(kPlayerWindowUnits);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFixedSize(client.width, client.height);
  layout->addWidget(client_);

  for (const ControlTemplate& control : PlayerControls()) CreatePlayerControl(control, client_);
}

void CTamioDlg::CreateStatusBar() {
  const TemplateRect client = DialogUnitsToPixels(kPlayerWindowUnits);
  statusBar_ = new StatusBar(client_);
  statusBar_->setGeometry(0, client.height - StatusBar::kHeight, client.width, StatusBar::kHeight);
  statusBar_->show();
  statusBar_->SetParts(StatusPaneRightEdges(statusBar_->width()));
  const StatusPaneLabels& l = state_->labels;
  int pane = 0;
  for (std::u16string_view label : {l.fileNameLabel, l.speedLabel, l.zoomLabel, l.resolutionLabel,
                                    l.frameRateLabel, l.recordDateLabel}) {
    statusBar_->SetPaneText(pane++, ToQString(label));
  }
}

void CTamioDlg::OnInitDialog() {
  PlayerState& s = *state_;
  setWindowIcon(ApplicationIcon());
  s.capabilities = Capabilities{};
  ApplyLanguage(
      ChooseLanguage(SystemLanguageFromLocale(services_.localeName), s.capabilities.languages));
  CreateStatusBar();
  SetUpButtonIcons();

  const OsProbeOutcome os = ProbeOsVersion(services_.readOsVersion(), s.quickFormat);
  s.quickFormat = os.quickFormat;
  if (os.showServer2003Message) ShowMessage(kServer2003Message);
  if (!os.result) ShowMessage(kOsVersionFailedMessage);

  SetUpVolume();

  s.zoomFactor = 0.5;
  s.fastForwardFrame = 0;
  s.seekPosition = 0;
  s.speedStep = 1;
  s.videoWidth = 640;
  s.videoHeight = 480;
  s.backPlaying = s.fastForwardActive = s.mouseHeld = s.muted = false;

  seekBar()->Repaint();
  ShowPanBars(false);
  control<QLineEdit>(ControlId::SearchLevel)->setText(QStringLiteral("5"));

  // The media framework is ready from here on; a missing decoder is said once.
  graph_ = services_.makeMediaGraph(videoArea());
  if (auto missing = services_.checkDecoders()) ShowMessage(*missing, PromptIcon::Warning);

  ShowMotionSearch(s.capabilities.showMotionSearch == 1);
}

void CTamioDlg::ShowMotionSearch(bool visible) {
  for (ControlId id : {ControlId::MotionSearchGroup, ControlId::SearchBack,
                       ControlId::SearchForward, ControlId::SearchLevel}) {
    control(id)->setVisible(visible);
  }
}

void CTamioDlg::SetUpButtonIcons() {
  struct ButtonIcon {
    ControlId button;
    IconId icon;
    IconDerivation idle;
  };
  constexpr IconDerivation kDimmed = ICON_DERIVE_DIMMED;
  constexpr ButtonIcon kButtonIcons[] = {
      {ControlId::BackPlay, IconId::BackPlay, kDimmed},
      {ControlId::Play, IconId::Play, kDimmed},
      {ControlId::Pause, IconId::Pause, kDimmed},
      {ControlId::Stop, IconId::Stop, kDimmed},
      {ControlId::Faster, IconId::Faster, kDimmed},
      {ControlId::Slower, IconId::Slower, kDimmed},
      {ControlId::StepForward, IconId::StepForward, kDimmed},
      {ControlId::StepBack, IconId::StepBack, kDimmed},
      {ControlId::ZoomOut, IconId::ZoomOut, kDimmed},
      {ControlId::ZoomIn, IconId::ZoomIn, kDimmed},
      {ControlId::SearchBack, IconId::SearchBack, kDimmed},
      {ControlId::SearchStop, IconId::SearchStop, ICON_DERIVE_GREY},
      {ControlId::SearchForward, IconId::SearchForward, kDimmed},
      {ControlId::Voice, IconId::Voice, kDimmed},
  };
  for (const ButtonIcon& b : kButtonIcons) {
    control<CButtonST>(b.button)->SetStateIcons(IconImage(b.icon), b.idle);
  }
  control<CButtonST>(ControlId::Voice)->ShiftHoverBackground(-1);
}

void CTamioDlg::SetVoiceIcon(IconId icon) {
  control<CButtonST>(ControlId::Voice)->SetStateIcons(IconImage(icon), ICON_DERIVE_DIMMED);
}

void CTamioDlg::SetIconButtonTooltip(const ControlText& tooltip) {
  control<CButtonST>(tooltip.control)->SetTooltip(ToQString(tooltip.text));
}

void CTamioDlg::ShowMessage(std::u16string_view text, PromptIcon icon) {
  services_.prompts->ShowMessage(text, kApplicationName, icon);
}

bool CTamioDlg::PlaylistEmpty() const { return playList()->count() == 0; }

void CTamioDlg::SetPane(int pane, std::u16string_view label, std::u16string_view value) {
  statusBar_->SetPaneText(pane, ToQString(label) + ToQString(value));
}

void CTamioDlg::keyPressEvent(QKeyEvent* event) {
  // The hidden default button's command: Enter re-scans and the window stays open.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ScanCurrentClip();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CTamioDlg::dragEnterEvent(QDragEnterEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile() &&
        url.toLocalFile().endsWith(QStringLiteral(".avi"), Qt::CaseInsensitive)) {
      event->acceptProposedAction();
      return;
    }
  }
}

void CTamioDlg::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    const QString file = url.toLocalFile();
    if (url.isLocalFile() && file.endsWith(QStringLiteral(".avi"), Qt::CaseInsensitive)) {
      paths.push_back(file.toStdString());
    }
  }
  if (paths.empty()) return;
  event->acceptProposedAction();
  OpenClipFiles(paths);
}

}  // namespace halvo
