#pragma once

#include <QSlider>
#include <cstdint>

#include "controls/progress_slider_model.h"

namespace halvo {

// The seek bar: a horizontal slider that paints a sunken groove with a shaded
// progress fill growing from x = 9, and a shaded thumb whose colour tells the
// mouse state (green at rest, orange under the mouse, purple while dragged).
// The fill has its own value and maximum; position, range, clicks, dragging,
// keys and signals are the slider's own.
class CProSliderCtrl : public QSlider {
  Q_OBJECT

 public:
  explicit CProSliderCtrl(QWidget* parent = nullptr);

  // Stores the fill value, repaints, answers the previous value.
  std::int32_t SetProgress(std::int32_t value);
  std::int32_t progressValue() const { return model_.progressValue; }
  // The value that fills the whole groove (0: no fill). Written as a field:
  // no repaint of its own.
  std::int32_t progressMaximum() const { return model_.progressMaximum; }
  void setProgressMaximum(std::int32_t maximum) { model_.progressMaximum = maximum; }
  const ProgressSliderModel& model() const { return model_; }

  // One timer message of the slider: the thumb blinks light grey / blue-violet.
  // The slider's own repeat timer (a held click on the groove) arrives here.
  void TimerTick();
  void Repaint();

  QRect thumbRect() const;
  QRect channelRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void sliderChange(SliderChange change) override;

 private:
  void PaintGroove(QPainter& painter);
  void PaintThumb(QPainter& painter);

  ProgressSliderModel model_;
};

}  // namespace halvo
