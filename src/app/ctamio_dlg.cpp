#include "app/ctamio_dlg.h"

namespace halvo {

CTamioDlg::CTamioDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Halvo AVI Player"));
}

}  // namespace halvo
