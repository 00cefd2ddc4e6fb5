// The player window's routing table: every command, button, scroll bar and timer
// of the window is connected here, in one place, in the order of the table.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "app/ctamio_dlg.h"
#include "controls/cpro_slider_ctrl.h"
#include "language/chelp_dlg.h"
#include "language/menu_model.h"
#include "language/qt_text.h"
#include "resources/icons.h"

namespace halvo {

void CTamioDlg::ConnectMenu(MenuCommand command, void (CTamioDlg::*handler)()) {
  connect(menuActions_.at(command), &QAction::triggered, this, handler);
}

void CTamioDlg::ConnectClick(ControlId button, void (CTamioDlg::*handler)()) {
  connect(control<QAbstractButton>(button), &QAbstractButton::clicked, this, handler);
}

void CTamioDlg::WireRoutes() {
  ConnectMenu(MenuCommand::Open, &CTamioDlg::OpenFiles);
  ConnectMenu(MenuCommand::Exit, &CTamioDlg::accept);
  for (MenuCommand command : {MenuCommand::LanguageEnglish, MenuCommand::LanguageTraditionalChinese,
                              MenuCommand::LanguageSimplifiedChinese, MenuCommand::LanguageJapanese,
                              MenuCommand::LanguageKorean}) {
    const LanguageId language = *LanguageForCommand(command);
    connect(menuActions_.at(command), &QAction::triggered, this,
            [this, language] { ApplyLanguage(language); });
  }
  ConnectMenu(MenuCommand::About, &CTamioDlg::ShowAboutBox);

  ConnectClick(ControlId::BackPlay, &CTamioDlg::BackPlay);
  ConnectClick(ControlId::Play, &CTamioDlg::Play);
  ConnectClick(ControlId::Pause, &CTamioDlg::Pause);
  ConnectClick(ControlId::Stop, &CTamioDlg::Stop);
  ConnectClick(ControlId::Faster, &CTamioDlg::SpeedUp);
  ConnectClick(ControlId::Slower, &CTamioDlg::SlowDown);
  ConnectClick(ControlId::StepForward, &CTamioDlg::StepForward);
  ConnectClick(ControlId::StepBack, &CTamioDlg::StepBack);
  ConnectClick(ControlId::Voice, &CTamioDlg::ToggleVoice);
  ConnectClick(ControlId::ZoomIn, &CTamioDlg::ZoomIn);
  ConnectClick(ControlId::PreviousFile, &CTamioDlg::PreviousFile);
  ConnectClick(ControlId::NextFile, &CTamioDlg::NextFile);
  ConnectClick(ControlId::Delete, &CTamioDlg::DeleteEntry);
  connect(playList(), &QListWidget::itemDoubleClicked, this, &CTamioDlg::OpenSelected);
  ConnectClick(ControlId::Ok, &CTamioDlg::ScanCurrentClip);

  connect(&positionTimer_, &QTimer::timeout, this, &CTamioDlg::PositionTick);
  connect(&speedTimer_, &QTimer::timeout, this, &CTamioDlg::SpeedTick);

  connect(seekBar(), &QAbstractSlider::actionTriggered, this, &CTamioDlg::SeekFromBar);
  for (ControlId id : {ControlId::PanHorizontalBar, ControlId::PanVerticalBar}) {
    auto* bar = control<QScrollBar>(id);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { PanPicture(bar, action); });
    // Dropping the thumb ends a drag the way the thumb-position code does.
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar] { PanPicture(bar, -1); });
  }
  connect(volumeBar(), &QAbstractSlider::actionTriggered, this, &CTamioDlg::SetVolumeFromBar);
  connect(volumeBar(), &QAbstractSlider::sliderReleased, this, &CTamioDlg::SetVolumeFromBar);
}

void CTamioDlg::ShowAboutBox() {
  CHelpDlg about(QPixmap::fromImage(IconImage(IconId::Application)), ToQString(kBuildLabel), this);
  about.exec();
}

}  // namespace halvo
