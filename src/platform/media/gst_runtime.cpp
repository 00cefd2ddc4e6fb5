#include "platform/media/gst_runtime.h"

#include <gst/gst.h>

namespace halvo {

void InitMediaRuntime(int* argc, char*** argv) { gst_init(argc, argv); }

void ShutdownMediaRuntime() { gst_deinit(); }

}  // namespace halvo
