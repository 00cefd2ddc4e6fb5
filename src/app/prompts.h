#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// Caption of the program's plain message boxes: the executable's own name.
inline constexpr std::u16string_view kApplicationName = u"halvo-player";

// Error is the stop icon of failures the user must act on (a write that did not reach the card).
enum class PromptIcon { None, Information, Warning, Error };

// A file dialog's settings; texts as the user sees them, patterns like "*.avi".
struct FileDialogRequest {
  std::u16string title;
  std::u16string filterText;
  std::string filterPattern;
  std::string defaultExtension;
  std::string initialName;
  bool multiSelect = false;
};

// Every question and message to the user goes through here, so tests can answer them.
class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box with the OK button only.
  virtual void ShowMessage(std::u16string_view text, std::u16string_view caption,
                           PromptIcon icon) = 0;
  // A message box with Yes and No; true for Yes.
  virtual bool AskYesNo(std::u16string_view text, std::u16string_view caption, PromptIcon icon) = 0;
  // The chosen files' full paths in the dialog's order; empty when cancelled.
  virtual std::vector<std::string> ChooseOpenFiles(const FileDialogRequest& request) = 0;
  // The chosen file's full path; nothing when cancelled.
  virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace halvo
