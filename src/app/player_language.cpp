// The player window's language switch.
#include <QAbstractButton>
#include <QListWidget>

#include "app/ctamio_dlg.h"
#include "app/status_bar.h"
#include "language/menu_bar_builder.h"
#include "language/menu_model.h"
#include "language/qt_text.h"
#include "language/status_panes.h"

namespace halvo {

void CTamioDlg::ApplyLanguage(LanguageId id) {
  PlayerState& s = *state_;
  s.languageId = id;
  menuActions_ = ApplyMenuModel(*menuBar_, MenuModelFor(id, s.capabilities.languages));

  const PlayerTexts& texts = PlayerTextsFor(id);
  for (const ControlText& text : texts.controlTexts) {
    QWidget* widget = control(text.control);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(ToQString(text.text));
    } else {
      widget->setProperty("title", ToQString(text.text));
    }
  }
  for (const ControlText& tooltip : texts.tooltips) SetIconButtonTooltip(tooltip);
  s.labels = texts.labels;
  RefreshStatusPanes();
}

void CTamioDlg::RefreshStatusPanes() {
  if (statusBar_ == nullptr) return;
  const PlayerState& s = *state_;
  const StatusPaneState paneState{
      .playListEmpty = control<QListWidget>(ControlId::PlayList)->count() == 0,
      .speedStep = s.speedStep,
      .zoomFactor = s.zoomFactor,
      .videoWidth = s.videoWidth,
      .videoHeight = s.videoHeight,
      .frameRateText = s.clipInfo.frameRateText,
      .recordDateText = s.clipInfo.recordDateText,
  };
  const auto panes = halvo::RefreshStatusPanes(s.labels, paneState);
  for (int pane = 0; pane < kStatusPaneCount; ++pane) {
    if (panes[pane]) statusBar_->SetPaneText(pane, ToQString(*panes[pane]));
  }
}

}  // namespace halvo
