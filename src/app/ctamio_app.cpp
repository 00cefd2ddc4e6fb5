#include "app/ctamio_app.h"

#include <QApplication>

namespace halvo {

int CTamioApp::Run(PlayerServices services) {
  InitInstance(std::move(services));
  return ExitInstance();
}

bool CTamioApp::InitInstance(PlayerServices services) {
  QApplication::setApplicationName(QStringLiteral("halvo-player"));
  QApplication::setOrganizationName(QStringLiteral("Halvo"));
  {
    CTamioDlg dialog(std::move(services));
    dialog.exec();
  }
  return false;
}

int CTamioApp::ExitInstance() { return 0; }

}  // namespace halvo
