#include "controls/cpro_slider_ctrl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

#include "controls/qt_paint.h"
#include "controls/shaded_bands.h"

namespace halvo {
namespace {

// Each band is a rounded rectangle with a 2 x 2 corner; empty ones paint nothing.
void PaintBands(QPainter& painter, const std::vector<ShadedBand>& bands) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  for (const ShadedBand& band : bands) {
    if (band.rect.IsEmpty()) continue;
    painter.setBrush(ToQColor(band.colour));
    painter.drawRoundedRect(QRectF(ToQRect(band.rect)), 1.0, 1.0);
  }
  painter.restore();
}

}  // namespace

CProSliderCtrl::CProSliderCtrl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setMouseTracking(true);
  setRange(0, 100);
}

std::int32_t CProSliderCtrl::SetProgress(std::int32_t value) {
  const std::int32_t previous = model_.SetProgress(value);
  Repaint();
  return previous;
}

void CProSliderCtrl::TimerTick() {
  model_.OnTimer();
  Repaint();
}

void CProSliderCtrl::Repaint() { update(); }

QRect CProSliderCtrl::thumbRect() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

QRect CProSliderCtrl::channelRect() const {
  return ToQRect(ChannelFor(width(), height(), thumbRect().width()));
}

void CProSliderCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintGroove(painter);
  PaintThumb(painter);
}

void CProSliderCtrl::PaintGroove(QPainter& painter) {
  const ControlRect channel = ToControlRect(channelRect());
  const QRect edge = ToQRect(GrooveFor(channel).edge);
  const QPalette& pal = palette();
  Draw3dRect(painter, edge, pal.color(QPalette::Dark), pal.color(QPalette::Light));
  Draw3dRect(painter, edge.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow),
             pal.color(QPalette::Midlight));
  PaintBands(painter,
             ShadedBar(model_.progressColour, kProgressFirstStep,
                       ProgressFillRect(channel, model_.progressValue, model_.progressMaximum)));
}

void CProSliderCtrl::PaintThumb(QPainter& painter) {
  model_.OnThumbPaint(isSliderDown());
  PaintBands(painter, ShadedBlock(model_.thumbColour, ToControlRect(thumbRect())));
}

void CProSliderCtrl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  model_.OnMouseMove(ThumbHoverRect(ToControlRect(thumbRect())).Contains({p.x(), p.y()}));
  Repaint();
  QSlider::mouseMoveEvent(event);
}

void CProSliderCtrl::timerEvent(QTimerEvent* event) {
  TimerTick();
  QSlider::timerEvent(event);
}

void CProSliderCtrl::sliderChange(SliderChange change) {
  // Like a trackbar, a page is a fifth of the range.
  if (change == SliderRangeChange) setPageStep(std::max(1, (maximum() - minimum()) / 5));
  QSlider::sliderChange(change);
}

}  // namespace halvo
