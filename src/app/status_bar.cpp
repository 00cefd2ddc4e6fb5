#include "app/status_bar.h"

namespace halvo {

StatusBar::StatusBar(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("statusBar"));
  for (int i = 0; i < kStatusPaneCount; ++i) {
    auto* pane = new QLabel(this);
    pane->setObjectName(QStringLiteral("pane%1").arg(i));
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setIndent(2);
    pane->setTextFormat(Qt::PlainText);
    panes_[i] = pane;
  }
}

void StatusBar::SetParts(const std::array<int, kStatusPaneCount>& rightEdges) {
  int left = 0;
  for (int i = 0; i < kStatusPaneCount; ++i) {
    const int right = rightEdges[i] < 0 ? width() : rightEdges[i];
    panes_[i]->setGeometry(left, 2, std::max(0, right - left - 2), height() - 2);
    left = right;
  }
}

void StatusBar::SetPaneText(int pane, const QString& text) { panes_[pane]->setText(text); }

QString StatusBar::PaneText(int pane) const { return panes_[pane]->text(); }

}  // namespace halvo
