#include "recorder_config/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "language/text.h"

namespace halvo {
namespace {

struct SuccessMessage {
  std::u16string_view caption;
  std::u16string_view text;
};

constexpr SuccessMessage kSuccessMessages[kLanguageCount] = {
    {u"Camera setting", u"Successful !"}, {u"相機設定", u"設定完成 !"},
    {u"相机设置", u"设置完成 !"},         {u"カメラ設定", u"完了l !"},
    {u"카메라세팅", u"성공 !"},
};

const SuccessMessage& SuccessFor(LanguageId language) {
  const int index = Index(language);
  return kSuccessMessages[index >= 0 && index < kLanguageCount ? index : 0];
}

// Writes all bytes; the first call carries the whole record, a short write goes on only to
// learn the cause of the failure.
bool WriteAll(int fd, const SettingsRecord& record) {
  size_t done = 0;
  while (done < record.size()) {
    const ssize_t n = ::write(fd, record.data() + done, record.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; file systems that cannot sync a folder say EINVAL.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
  const int syncError = errno;
  ::close(fd);
  errno = syncError;
  return synced;
}

RecordWriteResult Failed(RecordWriteResult::Status status) { return {status, errno}; }

}  // namespace

std::string SettingsFilePath(std::string_view targetDrive) {
  std::string path(targetDrive);
  if (path.empty() || path.back() != '/') path += '/';
  return path + "settings.ini";
}

RecordWriteResult WriteSettingsRecord(const std::string& path, const SettingsRecord& record) {
  using Status = RecordWriteResult::Status;
  const std::string temporary = path + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return Failed(Status::OpenFailed);

  const bool written = WriteAll(fd, record) && ::fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    const RecordWriteResult result{Status::WriteFailed, written ? errno : writeError};
    ::unlink(temporary.c_str());
    return result;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const RecordWriteResult result = Failed(Status::WriteFailed);
    ::unlink(temporary.c_str());
    return result;
  }
  const std::string folder = std::filesystem::path(path).parent_path().string();
  if (!SyncFolder(folder.empty() ? "." : folder)) return Failed(Status::WriteFailed);
  return {Status::Written, 0};
}

std::u16string WriteErrorText(const std::string& path, int error) {
  return FromUtf8("Writing " + path + " failed: " + std::strerror(error) + ".");
}

std::u16string SaveSuccessCaption(LanguageId language) {
  return std::u16string(SuccessFor(language).caption);
}

std::u16string SaveSuccessText(LanguageId language) {
  return std::u16string(SuccessFor(language).text);
}

bool SaveSettingsFile(const CameraSettings& settings, LanguageId language, Prompts& prompts,
                      const LocalTimeSource& clock) {
  // Encoding first: refused settings must not cost the card its current file.
  const auto record = EncodeSettings(settings, clock);
  if (!record) {
    prompts.ShowMessage(u"The setting is wrong", u"Warning", PromptIcon::Warning);
    return false;
  }
  const std::string path = SettingsFilePath(settings.targetDrive);
  const RecordWriteResult result = WriteSettingsRecord(path, *record);
  switch (result.status) {
    case RecordWriteResult::Status::OpenFailed:
      prompts.ShowMessage(u"Can not open file", kApplicationName, PromptIcon::None);
      return false;
    case RecordWriteResult::Status::WriteFailed:
      prompts.ShowMessage(WriteErrorText(path, result.error), kApplicationName, PromptIcon::Error);
      return false;
    case RecordWriteResult::Status::Written:
      break;
  }
  prompts.ShowMessage(SaveSuccessText(language), SaveSuccessCaption(language),
                      PromptIcon::Information);
  return true;
}

}  // namespace halvo
