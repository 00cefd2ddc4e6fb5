#include "playback/video_area_widget.h"

#include <QImage>
#include <QMetaObject>
#include <QPainter>
#include <QRegion>

#include <utility>

namespace halvo {

VideoAreaWidget::VideoAreaWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoAreaWidget::SetPlacement(int left, int top, int width, int height) {
  placement_ = QRect(left, top, width, height);
  update();
}

QRect VideoAreaWidget::Placement() const { return placement_; }

bool VideoAreaWidget::HasPicture() const {
  std::lock_guard lock(mutex_);
  return frame_.pixels != nullptr;
}

void VideoAreaWidget::Reset(uint64_t generation) {
  {
    std::lock_guard lock(mutex_);
    generation_ = generation;
    frame_ = {};
  }
  update();
}

void VideoAreaWidget::PresentFrame(VideoFrame frame) {
  VideoFrame replaced;  // released outside the lock
  {
    std::lock_guard lock(mutex_);
    if (frame.generation != generation_ || generation_ == 0) return;
    replaced = std::exchange(frame_, std::move(frame));
    if (repaintQueued_) return;
    repaintQueued_ = true;
  }
  // One queued repaint at a time: frames arriving meanwhile only replace the newest picture.
  QMetaObject::invokeMethod(
      this,
      [this] {
        {
          std::lock_guard lock(mutex_);
          repaintQueued_ = false;
        }
        update();
      },
      Qt::QueuedConnection);
}

void VideoAreaWidget::paintEvent(QPaintEvent*) {
  VideoFrame frame;
  {
    std::lock_guard lock(mutex_);
    frame = frame_;
  }
  QPainter painter(this);
  const bool showPicture = frame.pixels != nullptr && !placement_.isEmpty();
  // Black only around the picture: every pixel is painted once per frame.
  for (const QRect& band : QRegion(rect()).subtracted(showPicture ? placement_ : QRect())) {
    painter.fillRect(band, Qt::black);
  }
  if (!showPicture) return;
  const QImage picture(frame.pixels.get(), frame.width, frame.height, frame.stride,
                       QImage::Format_RGB32);
  painter.drawImage(placement_, picture);
}

}  // namespace halvo
