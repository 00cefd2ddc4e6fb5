#pragma once

#include <QPointer>
#include <QWidget>

#include "app/prompts.h"

namespace halvo {

// Prompts as real message boxes and file dialogs, owned by the given window
// (the active window when none is given).
class QtPrompts : public Prompts {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowMessage(std::u16string_view text, std::u16string_view caption, PromptIcon icon) override;
  bool AskYesNo(std::u16string_view text, std::u16string_view caption, PromptIcon icon) override;
  std::vector<std::string> ChooseOpenFiles(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;

 private:
  QWidget* Owner() const;

  QPointer<QWidget> owner_;
};

}  // namespace halvo
