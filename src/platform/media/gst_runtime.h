#pragma once

namespace halvo {

// GStreamer's start and end for the application: Init before the first clip opens (it reads and
// strips GStreamer's own command-line options), Shutdown after the last graph is gone.
void InitMediaRuntime(int* argc, char*** argv);
void ShutdownMediaRuntime();

}  // namespace halvo
