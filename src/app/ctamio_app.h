#pragma once

#include "app/ctamio_dlg.h"

namespace halvo {

// The application: starts the platform facilities, runs the player window
// until it closes, then releases them in reverse order.
class CTamioApp {
 public:
  // Runs the player window modally, opening the given clips first; answers the exit code.
  int Run(PlayerServices services, const std::vector<std::string>& clips = {});

 private:
  bool InitInstance(PlayerServices services, const std::vector<std::string>& clips);
  int ExitInstance();
};

}  // namespace halvo
