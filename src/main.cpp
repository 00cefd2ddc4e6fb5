#include "app/ctamio_dlg.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  halvo::CTamioDlg dialog;
  dialog.exec();
  return 0;
}
