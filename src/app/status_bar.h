#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "app/player_template.h"

namespace halvo {

// The player window's six-pane status bar along the bottom of its client area.
class StatusBar : public QFrame {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);

  // Lays the panes out with the given right edges (-1: to the right end).
  void SetParts(const std::array<int, kStatusPaneCount>& rightEdges);
  void SetPaneText(int pane, const QString& text);
  QString PaneText(int pane) const;

  static constexpr int kHeight = 22;

 private:
  std::array<QLabel*, kStatusPaneCount> panes_{};
};

}  // namespace halvo
