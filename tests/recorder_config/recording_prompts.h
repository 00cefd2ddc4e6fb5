#pragma once

#include <string>
#include <vector>

#include "app/prompts.h"

namespace halvo {

// Records every message box and answers questions with a fixed answer.
class RecordingPrompts : public Prompts {
 public:
  struct Call {
    std::u16string text;
    std::u16string caption;
    PromptIcon icon;
    bool question;
  };

  void ShowMessage(std::u16string_view text, std::u16string_view caption,
                   PromptIcon icon) override {
    calls.push_back({std::u16string(text), std::u16string(caption), icon, false});
  }
  bool AskYesNo(std::u16string_view text, std::u16string_view caption, PromptIcon icon) override {
    calls.push_back({std::u16string(text), std::u16string(caption), icon, true});
    return answerYes;
  }
  std::vector<std::string> ChooseOpenFiles(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override {
    return std::nullopt;
  }

  std::vector<Call> calls;
  bool answerYes = false;
};

}  // namespace halvo
