#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/control_ids.h"
#include "app/player_state.h"
#include "language/menu_bar_builder.h"
#include "language/os_version.h"

class QMenuBar;

namespace halvo {

class Prompts;
class StatusBar;

// What the player window needs from outside; main() gives the real ones, tests their own.
struct PlayerServices {
  Prompts* prompts = nullptr;
  std::string localeName = "C";
  std::function<std::optional<OsVersion>()> readOsVersion;
};

// The player window: holds PlayerState, lays out the controls, routes commands.
class CTamioDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTamioDlg(PlayerServices services, QWidget* parent = nullptr);
  ~CTamioDlg() override;

  PlayerState& state() { return *state_; }
  const PlayerState& state() const { return *state_; }
  QWidget* control(ControlId id) const;
  template <typename T>
  T* control(ControlId id) const {
    return qobject_cast<T*>(control(id));
  }
  StatusBar* statusBar() const { return statusBar_; }
  QMenuBar* menuBar() const { return menuBar_; }
  QTimer& positionTimer() { return positionTimer_; }
  QTimer& speedTimer() { return speedTimer_; }

  void ApplyLanguage(LanguageId id);
  void RefreshStatusPanes();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void OnInitDialog();
  void CreateStatusBar();
  void WireRoutes();
  void ConnectMenu(MenuCommand command, void (CTamioDlg::*handler)());
  void SetIconButtonTooltip(const ControlText& tooltip);
  void ShowAboutBox();

  PlayerServices services_;
  std::unique_ptr<PlayerState> state_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  MenuActions menuActions_;
  StatusBar* statusBar_ = nullptr;
  QTimer positionTimer_;  // timer 101
  QTimer speedTimer_;     // timer 1
};

}  // namespace halvo
