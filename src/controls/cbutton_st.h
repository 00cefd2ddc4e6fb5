#pragma once

#include <QImage>
#include <QPushButton>
#include <cstdint>

#include "controls/button_layout.h"
#include "controls/button_look.h"
#include "controls/hover_tracker.h"
#include "controls/icon_transforms.h"

namespace halvo {

// The flat icon push button of the player window: a dimmed (or greyscale)
// idle icon, a raised frame and the full icon under the mouse, a sunken frame
// and a one-pixel shift while pressed. Clicks reach the owner as clicked().
class CButtonST : public QPushButton {
  Q_OBJECT

 public:
  static constexpr int kIconsSet = 0;
  static constexpr int kIconsFailed = 1;

  explicit CButtonST(QWidget* parent = nullptr);

  // Icon 0 shows while hovered or pressed, icon 1 (when set) otherwise. A
  // null normal icon clears both and answers 0. Answers 1, with no icons
  // left, when a requested derived copy cannot be made.
  int SetStateIcons(const QImage& normalIcon, const QImage& idleIcon);
  int SetStateIcons(const QImage& normalIcon, IconDerivation idleIcon);
  // 0 when applied, 5 when the offset is outside -255..255.
  int ShiftHoverBackground(std::int16_t offset);
  // A null text is ignored; an empty one clears the tip.
  void SetTooltip(const QString& text);

  const ButtonColours& colours() const { return colours_; }
  bool hovering() const { return hover_.hovering(); }
  const QImage& normalIcon() const { return icons_[0]; }
  const QImage& idleIcon() const { return icons_[1]; }
  RecordedSize recordedIconSize(int slot) const { return recordedSizes_[slot]; }
  QPoint imageMargin() const { return imageMargin_; }
  QPoint pressedShift() const { return pressedShift_; }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

  // The four drawing steps of a paint, in order.
  virtual void PaintFace(QPainter& painter, const QRect& r, ButtonPaintState state);
  virtual void PaintEdge(QPainter& painter, const QRect& r, ButtonPaintState state);
  virtual void PaintIcon(QPainter& painter, ButtonPaintState state, QRect& caption);
  virtual void PaintCaption(QPainter& painter, QRect caption, ButtonPaintState state);

 private:
  int StoreIcons(const QImage& normalIcon, const QImage& idleIcon, bool idleRequested);
  void ReleaseIcons();
  void ReadSystemColours();
  void EndHover();
  void PassFocusOn();
  bool IsUnderMouse(const QPoint& globalPos) const;

  QPoint imageMargin_{3, 3};
  QPoint pressedShift_{1, 1};
  HoverTracker hover_;
  ButtonColours colours_;
  QImage icons_[2];
  RecordedSize recordedSizes_[2];
};

}  // namespace halvo
