#include "app/ctamio_dlg.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/player_controls.h"
#include "app/player_template.h"
#include "app/prompts.h"
#include "app/status_bar.h"
#include "language/language_choice.h"
#include "language/qt_text.h"

namespace halvo {

CTamioDlg::CTamioDlg(PlayerServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), state_(std::make_unique<PlayerState>()) {
  setWindowTitle(QStringLiteral("Halvo AVI Player"));
  setObjectName(QStringLiteral("CTamioDlg"));
  positionTimer_.setInterval(100);
  speedTimer_.setInterval(200);
  CreateControls();
  OnInitDialog();
  WireRoutes();
}

CTamioDlg::~CTamioDlg() = default;

QWidget* CTamioDlg::control(ControlId id) const {
  return client_->findChild<QWidget*>(ControlObjectName(id), Qt::FindDirectChildrenOnly);
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
  s.capabilities = Capabilities{};
  ApplyLanguage(
      ChooseLanguage(SystemLanguageFromLocale(services_.localeName), s.capabilities.languages));
  CreateStatusBar();

  const OsProbeOutcome os = ProbeOsVersion(services_.readOsVersion(), s.quickFormat);
  s.quickFormat = os.quickFormat;
  if (os.showServer2003Message) {
    services_.prompts->ShowMessage(kServer2003Message, kApplicationName, PromptIcon::None);
  }
  if (!os.result) {
    services_.prompts->ShowMessage(kOsVersionFailedMessage, kApplicationName, PromptIcon::None);
  }

  s.zoomFactor = 0.5;
  s.fastForwardFrame = 0;
  s.seekPosition = 0;
  s.speedStep = 1;
  s.videoWidth = 640;
  s.videoHeight = 480;
  s.backPlaying = s.fastForwardActive = s.mouseHeld = s.muted = false;

  control(ControlId::PanHorizontalBar)->hide();
  control(ControlId::PanVerticalBar)->hide();
  control<QLineEdit>(ControlId::SearchLevel)->setText(QStringLiteral("5"));
  const bool showSearch = s.capabilities.showMotionSearch == 1;
  for (ControlId id : {ControlId::MotionSearchGroup, ControlId::SearchBack,
                       ControlId::SearchForward, ControlId::SearchLevel}) {
    control(id)->setVisible(showSearch);
  }
}

void CTamioDlg::SetIconButtonTooltip(const ControlText& tooltip) {
  control(tooltip.control)->setToolTip(ToQString(tooltip.text));
}

void CTamioDlg::keyPressEvent(QKeyEvent* event) { QDialog::keyPressEvent(event); }

}  // namespace halvo
