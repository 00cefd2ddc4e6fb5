#include "app/ctamio_app.h"

#include <QApplication>
#include <QFont>

namespace halvo {

int CTamioApp::Run(PlayerServices services, const std::vector<std::string>& clips) {
  InitInstance(std::move(services), clips);
  return ExitInstance();
}

bool CTamioApp::InitInstance(PlayerServices services, const std::vector<std::string>& clips) {
  QApplication::setApplicationName(QStringLiteral("halvo-player"));
  QApplication::setOrganizationName(QStringLiteral("Halvo"));
  // The window templates are laid out for an 8-point dialog font.
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  {
    CTamioDlg dialog(std::move(services));
    dialog.show();
    if (!clips.empty()) dialog.OpenClipFiles(clips);
    dialog.exec();
  }
  return false;
}

int CTamioApp::ExitInstance() { return 0; }

}  // namespace halvo
