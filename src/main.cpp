#include <QApplication>

#include "app/ctamio_app.h"
#include "app/qt_prompts.h"
#include "platform/system/os_version_probe.h"
#include "platform/system/system_locale.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  halvo::QtPrompts prompts;
  return halvo::CTamioApp().Run({
      .prompts = &prompts,
      .localeName = halvo::SystemLocaleName(),
      .readOsVersion = halvo::ReadOsVersion,
  });
}
