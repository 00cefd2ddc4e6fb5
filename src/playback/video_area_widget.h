#pragma once

#include <QRect>
#include <QWidget>

#include <mutex>

#include "platform/media/video_frame_sink.h"

namespace halvo {

// The video area: black, with the newest decoded picture scaled into the placement rectangle.
// The rectangle may reach beyond the area (negative left/top); what lies outside is clipped.
// Frames may arrive on any thread; painting happens on the UI thread.
class VideoAreaWidget : public QWidget, public FrameSink {
  Q_OBJECT

 public:
  explicit VideoAreaWidget(QWidget* parent = nullptr);

  // Where the picture goes, in the area's coordinates.
  void SetPlacement(int left, int top, int width, int height);
  QRect Placement() const;
  // Whether a picture of the current generation is held (it is painted at the next repaint).
  bool HasPicture() const;

  void Reset(uint64_t generation) override;
  void PresentFrame(VideoFrame frame) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect placement_;
  mutable std::mutex mutex_;  // guards the three below
  uint64_t generation_ = 0;
  VideoFrame frame_;
  bool repaintQueued_ = false;
};

}  // namespace halvo
