#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

namespace halvo {

// The About box opened from Help > About: product line, the application icon
// and the build label in the version field (1105). Its texts are English in
// every language.
class CHelpDlg : public QDialog {
  Q_OBJECT

 public:
  CHelpDlg(const QPixmap& appIcon, const QString& buildLabel, QWidget* parent = nullptr);
};

}  // namespace halvo
