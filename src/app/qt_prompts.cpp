#include "app/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "language/qt_text.h"

namespace halvo {
namespace {

QMessageBox::Icon ToQIcon(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Information:
      return QMessageBox::Information;
    case PromptIcon::Warning:
      return QMessageBox::Warning;
    case PromptIcon::Error:
      return QMessageBox::Critical;
    case PromptIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QString FilterOf(const FileDialogRequest& request) {
  return ToQString(request.filterText) + QStringLiteral(" (") +
         QString::fromStdString(request.filterPattern) + QLatin1Char(')');
}

QFileDialog* MakeDialog(QWidget* owner, const FileDialogRequest& request) {
  auto* dialog = new QFileDialog(owner, ToQString(request.title));
  dialog->setAttribute(Qt::WA_DeleteOnClose, false);
  dialog->setNameFilter(FilterOf(request));
  dialog->setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.initialName.empty()) dialog->selectFile(QString::fromStdString(request.initialName));
  return dialog;
}

}  // namespace

QWidget* QtPrompts::Owner() const { return owner_ ? owner_.data() : QApplication::activeWindow(); }

void QtPrompts::ShowMessage(std::u16string_view text, std::u16string_view caption,
                            PromptIcon icon) {
  QMessageBox box(ToQIcon(icon), ToQString(caption), ToQString(text), QMessageBox::Ok, Owner());
  box.exec();
}

bool QtPrompts::AskYesNo(std::u16string_view text, std::u16string_view caption, PromptIcon icon) {
  QMessageBox box(ToQIcon(icon), ToQString(caption), ToQString(text),
                  QMessageBox::Yes | QMessageBox::No, Owner());
  return box.exec() == QMessageBox::Yes;
}

std::vector<std::string> QtPrompts::ChooseOpenFiles(const FileDialogRequest& request) {
  std::unique_ptr<QFileDialog> dialog(MakeDialog(Owner(), request));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  std::vector<std::string> files;
  if (dialog->exec() != QDialog::Accepted) return files;
  for (const QString& file : dialog->selectedFiles()) files.push_back(file.toStdString());
  return files;
}

std::optional<std::string> QtPrompts::ChooseSaveFile(const FileDialogRequest& request) {
  std::unique_ptr<QFileDialog> dialog(MakeDialog(Owner(), request));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().front().toStdString();
}

}  // namespace halvo
