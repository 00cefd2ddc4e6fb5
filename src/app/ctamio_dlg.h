#pragma once

#include <QDialog>

namespace halvo {

// The player window.
class CTamioDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTamioDlg(QWidget* parent = nullptr);
};

}  // namespace halvo
