#pragma once

#include "app/ctamio_dlg.h"

namespace halvo {

// The application: starts the platform facilities, runs the player window
// until it closes, then releases them in reverse order.
class CTamioApp {
 public:
  // Runs the player window modally; answers the exit code.
  int Run(PlayerServices services);

 private:
  bool InitInstance(PlayerServices services);
  int ExitInstance();
};

}  // namespace halvo
