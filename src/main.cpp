#include <QApplication>
#include <QFileInfo>

#include "app/ctamio_app.h"
#include "app/qt_prompts.h"
#include "platform/media/gst_decoder_check.h"
#include "platform/media/gst_media_graph.h"
#include "platform/media/gst_runtime.h"
#include "platform/mixer/alsa_volume_mixer.h"
#include "platform/system/os_version_probe.h"
#include "platform/system/system_locale.h"

int main(int argc, char** argv) {
  halvo::InitMediaRuntime(&argc, &argv);
  int status = 0;
  {
    QApplication application(argc, argv);
    std::vector<std::string> clips;
    for (const QString& argument : application.arguments().mid(1)) {
      clips.push_back(QFileInfo(argument).absoluteFilePath().toStdString());
    }
    halvo::QtPrompts prompts;
    halvo::PlayerServices services{
        .prompts = &prompts,
        .localeName = halvo::SystemLocaleName(),
        .readOsVersion = halvo::ReadOsVersion,
        .makeMediaGraph =
            [](halvo::FrameSink* sink) { return std::make_unique<halvo::GstMediaGraph>(sink); },
        .checkDecoders = halvo::CheckDecoders,
        .mixer = std::make_unique<halvo::AlsaVolumeMixer>(),
    };
    status = halvo::CTamioApp().Run(std::move(services), clips);
  }
  halvo::ShutdownMediaRuntime();
  return status;
}
