#include "controls/cbutton_st.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "controls/derived_icon.h"
#include "controls/qt_paint.h"

namespace halvo {
namespace {

constexpr int kCaptionFlags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::TextShowMnemonic;

}  // namespace

CButtonST::CButtonST(QWidget* parent) : QPushButton(parent) {
  setMouseTracking(true);
  ReadSystemColours();
  // The button takes the focus on every click, keyboard ones included.
  connect(this, &QAbstractButton::clicked, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void CButtonST::ReadSystemColours() {
  const QPalette& pal = palette();
  colours_ = ButtonColours::FromSystem(FromQColor(pal.color(QPalette::Button)),
                                       FromQColor(pal.color(QPalette::ButtonText)));
}

int CButtonST::SetStateIcons(const QImage& normalIcon, const QImage& idleIcon) {
  return StoreIcons(normalIcon, idleIcon, false);
}

int CButtonST::SetStateIcons(const QImage& normalIcon, IconDerivation idleIcon) {
  if (normalIcon.isNull()) return StoreIcons(normalIcon, QImage(), false);
  return StoreIcons(normalIcon, DeriveIcon(normalIcon, idleIcon), true);
}

int CButtonST::StoreIcons(const QImage& normalIcon, const QImage& idleIcon, bool idleRequested) {
  ReleaseIcons();
  update();
  if (normalIcon.isNull()) return kIconsSet;
  if (idleRequested && idleIcon.isNull()) return kIconsFailed;
  icons_[0] = normalIcon;
  recordedSizes_[0] = RecordIconSize(normalIcon.width(), normalIcon.height());
  if (!idleIcon.isNull()) {
    icons_[1] = idleIcon;
    recordedSizes_[1] = RecordIconSize(idleIcon.width(), idleIcon.height());
  }
  return kIconsSet;
}

void CButtonST::ReleaseIcons() {
  for (int slot = 0; slot < 2; ++slot) {
    icons_[slot] = QImage();
    recordedSizes_[slot] = {};
  }
}

int CButtonST::ShiftHoverBackground(std::int16_t offset) {
  const int answer = halvo::ShiftHoverBackground(colours_, offset);
  if (answer == kShiftAccepted) update();
  return answer;
}

void CButtonST::SetTooltip(const QString& text) {
  if (text.isNull()) return;
  setToolTip(text);
}

void CButtonST::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const ButtonPaintState state{hover_.hovering(), isDown(), hasFocus()};
  const QRect r = rect();
  PaintFace(painter, r, state);
  PaintEdge(painter, r, state);
  QRect caption = r;
  if (!icons_[0].isNull()) PaintIcon(painter, state, caption);
  if (!text().isEmpty()) PaintCaption(painter, caption, state);
}

void CButtonST::PaintFace(QPainter& painter, const QRect& r, ButtonPaintState state) {
  painter.fillRect(r, ToQColor(FaceColour(colours_, state)));
}

void CButtonST::PaintEdge(QPainter& painter, const QRect& r, ButtonPaintState state) {
  const QColor light = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  switch (EdgeFor(state)) {
    case ButtonEdge::Sunken:
      Draw3dRect(painter, r, shadow, light);
      break;
    case ButtonEdge::Raised:
      Draw3dRect(painter, r, light, shadow);
      break;
    case ButtonEdge::None:
      break;
  }
}

void CButtonST::PaintIcon(QPainter& painter, ButtonPaintState state, QRect& caption) {
  const int slot = IconSlotFor(state, !icons_[1].isNull());
  const IconLayout layout = PlaceIcon({.item = ToControlRect(rect()),
                                       .icon = recordedSizes_[slot],
                                       .hasCaption = !text().isEmpty(),
                                       .imageMargin = {imageMargin_.x(), imageMargin_.y()},
                                       .pressedShift = {pressedShift_.x(), pressedShift_.y()},
                                       .pressed = state.pressed});
  caption = ToQRect(layout.caption);
  const QPoint at(layout.iconTopLeft.x, layout.iconTopLeft.y);
  if (isEnabled()) {
    painter.drawImage(at, icons_[slot]);
    return;
  }
  QStyleOption option;
  option.initFrom(this);
  painter.drawPixmap(
      at, style()->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(icons_[slot]), &option));
}

void CButtonST::PaintCaption(QPainter& painter, QRect caption, ButtonPaintState state) {
  if (state.pressed) caption.translate(pressedShift_);
  const QRect measured = painter.fontMetrics().boundingRect(caption, kCaptionFlags, text());
  const QRect centred =
      ToQRect(CentreCaption(ToControlRect(caption), measured.width(), measured.height()));
  if (!isEnabled()) {
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(centred.translated(1, 1), kCaptionFlags, text());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawText(centred, kCaptionFlags, text());
    return;
  }
  painter.setPen(ToQColor(CaptionColour(colours_, state)));
  painter.drawText(centred, kCaptionFlags, text());
}

void CButtonST::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  const bool over = IsUnderMouse(event->globalPosition().toPoint());
  if (hover_.OnMouseMove(over, event->buttons().testFlag(Qt::LeftButton))) update();
}

bool CButtonST::IsUnderMouse(const QPoint& globalPos) const {
  // While the button holds the mouse its moves arrive from anywhere, so the
  // position decides, and a window lying over the button hides it.
  if (!rect().contains(mapFromGlobal(globalPos))) return false;
  const QWidget* top = QApplication::widgetAt(globalPos);
  return top == nullptr || top == this;
}

void CButtonST::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double-click is a press like any other.
  if (!isDown()) QPushButton::mousePressEvent(event);
}

void CButtonST::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  EndHover();
}

void CButtonST::focusOutEvent(QFocusEvent* event) {
  QPushButton::focusOutEvent(event);
  EndHover();
}

bool CButtonST::event(QEvent* event) {
  const bool handled = QPushButton::event(event);
  // Child widgets learn of their window's deactivation by this event.
  if (event->type() == QEvent::WindowDeactivate) EndHover();
  return handled;
}

void CButtonST::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      // Only when this button itself is disabled, not when its window is.
      if (!isEnabled() && testAttribute(Qt::WA_ForceDisabled)) {
        PassFocusOn();
        EndHover();
      }
      break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
      ReadSystemColours();
      update();
      break;
    default:
      break;
  }
}

void CButtonST::EndHover() {
  if (hover_.End()) update();
}

void CButtonST::PassFocusOn() {
  // The next tab stop after this button takes the focus, had it the focus or
  // not; with none, the window takes it.
  QWidget* const top = window();
  for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
    if (next->window() == top && next->isEnabled() && next->isVisibleTo(top) &&
        (next->focusPolicy() & Qt::TabFocus)) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
  if (top != this) top->setFocus(Qt::OtherFocusReason);
}

}  // namespace halvo
