#include "app/player_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "controls/cbutton_st.h"
#include "controls/cpro_slider_ctrl.h"
#include "playback/video_area_widget.h"

namespace halvo {

QString ControlObjectName(ControlId id) { return QString::number(static_cast<int>(id)); }

namespace {

QWidget* CreateWidget(const ControlTemplate& control, QWidget* parent) {
  const QString text = QString::fromStdU16String(std::u16string(control.text));
  switch (control.kind) {
    case ControlKind::VideoArea:
      return new VideoAreaWidget(parent);
    case ControlKind::HorizontalScrollBar:
      return new QScrollBar(Qt::Horizontal, parent);
    case ControlKind::VerticalScrollBar:
      return new QScrollBar(Qt::Vertical, parent);
    case ControlKind::SeekBar: {
      auto* bar = new CProSliderCtrl(parent);
      bar->setRange(0, 100);
      return bar;
    }
    case ControlKind::VolumeBar:
      return new QSlider(Qt::Horizontal, parent);
    case ControlKind::StaticText:
      return new QLabel(text, parent);
    case ControlKind::IconButton: {
      auto* button = new CButtonST(parent);
      button->setText(text);
      return button;
    }
    case ControlKind::PushButton:
      return new QPushButton(text, parent);
    case ControlKind::DefaultButton: {
      auto* button = new QPushButton(text, parent);
      button->setDefault(true);
      return button;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(text, parent);
    case ControlKind::ListBox:
      return new QListWidget(parent);
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(text, parent);
      edit->setAlignment(Qt::AlignRight);
      return edit;
    }
    case ControlKind::StaticIcon:
      return new QLabel(parent);
  }
  return nullptr;
}

}  // namespace

QWidget* CreatePlayerControl(const ControlTemplate& control, QWidget* parent) {
  QWidget* widget = CreateWidget(control, parent);
  widget->setObjectName(ControlObjectName(control.id));
  const TemplateRect r = DialogUnitsToPixels(control.units);
  widget->setGeometry(r.x, r.y, r.width, r.height);
  widget->setVisible(control.visible);
  return widget;
}

}  // namespace halvo
