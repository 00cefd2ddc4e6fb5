#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/prompts.h"

namespace halvo {

// Prompts for tests: records every message and answers from a script.
class ScriptedPrompts : public Prompts {
 public:
  struct Message {
    std::u16string text;
    std::u16string caption;
    PromptIcon icon;
  };

  void ShowMessage(std::u16string_view text, std::u16string_view caption,
                   PromptIcon icon) override {
    messages.push_back({std::u16string(text), std::u16string(caption), icon});
  }
  bool AskYesNo(std::u16string_view text, std::u16string_view caption, PromptIcon icon) override {
    messages.push_back({std::u16string(text), std::u16string(caption), icon});
    return yesNoAnswer;
  }
  std::vector<std::string> ChooseOpenFiles(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    if (openAnswers.empty()) return {};
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
  }
  std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return saveAnswer;
  }

  std::vector<Message> messages;
  bool yesNoAnswer = false;
  std::deque<std::vector<std::string>> openAnswers;
  std::vector<FileDialogRequest> openRequests;
  std::optional<std::string> saveAnswer;
  std::vector<FileDialogRequest> saveRequests;
};

}  // namespace halvo
