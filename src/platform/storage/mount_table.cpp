#include "platform/storage/mount_table.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace halvo {
namespace {

std::string Unescape(std::string_view field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      int code = 0;
      const auto [end, error] =
          std::from_chars(field.data() + i + 1, field.data() + i + 4, code, 8);
      if (error == std::errc() && end == field.data() + i + 4) {
        out.push_back(static_cast<char>(code));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t at = 0;
  while (at < line.size()) {
    const size_t end = std::min(line.find(' ', at), line.size());
    if (end > at) fields.push_back(line.substr(at, end - at));
    at = end + 1;
  }
  return fields;
}

bool ParseDeviceNumber(std::string_view text, MountEntry& entry) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const auto major = std::from_chars(text.data(), text.data() + colon, entry.major);
  const auto minor =
      std::from_chars(text.data() + colon + 1, text.data() + text.size(), entry.minor);
  return major.ec == std::errc() && major.ptr == text.data() + colon && minor.ec == std::errc() &&
         minor.ptr == text.data() + text.size();
}

std::string FirstWord(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string word;
  in >> word;
  return word;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  std::vector<MountEntry> entries;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find('\n', at), text.size());
    const auto fields = Fields(text.substr(at, end - at));
    at = end + 1;
    // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
    size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-") ++separator;
    MountEntry entry;
    if (separator + 2 >= fields.size() || !ParseDeviceNumber(fields[2], entry)) continue;
    entry.mountPoint = Unescape(fields[4]);
    entry.mountOptions = std::string(fields[5]);
    entry.fsType = Unescape(fields[separator + 1]);
    entry.source = Unescape(fields[separator + 2]);
    if (separator + 3 < fields.size()) entry.superOptions = std::string(fields[separator + 3]);
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<MountEntry> ReadMountInfo(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return ParseMountInfo(text.str());
}

bool IsRemovableBlockDevice(const std::string& sysfsRoot, unsigned major, unsigned minor) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path link =
      fs::path(sysfsRoot) / "dev/block" / (std::to_string(major) + ":" + std::to_string(minor));
  const fs::path device = fs::canonical(link, error);
  if (error) return false;
  // A partition has no flags of its own: its disk is the folder above.
  for (const fs::path& disk : {device, device.parent_path()}) {
    if (FirstWord(disk / "removable") == "1") return true;
    // SD slots say removable 0; built-in eMMC shares their name but is of type MMC.
    if (disk.filename().string().starts_with("mmcblk") && FirstWord(disk / "device/type") == "SD") {
      return true;
    }
  }
  return false;
}

}  // namespace halvo
