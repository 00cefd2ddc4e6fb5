// Runs GoogleTest inside a QApplication so widget tests can build real windows,
// with the media runtime up as in the player.
#include <QApplication>

#include <gtest/gtest.h>

#include "platform/media/gst_runtime.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  halvo::InitMediaRuntime(&argc, &argv);
  int status = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  halvo::ShutdownMediaRuntime();
  return status;
}
