#include "app/playlist_rules.h"

#include <algorithm>

namespace halvo {
namespace {

char32_t Folded(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A' + u'a';
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // Latin-1 capitals
  return c;
}

}  // namespace

bool PlaylistLess(std::u16string_view a, std::u16string_view b) {
  const bool less =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                   [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
  const bool greater =
      std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                   [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
  // Names equal but for case keep a stable, case-sensitive order.
  return less || (!greater && a < b);
}

int NextEntry(int selected, int count) { return selected + 1 >= count ? 0 : selected + 1; }

int PreviousEntry(int selected) { return selected - 1 < 0 ? -1 : selected - 1; }

std::string BareName(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOf(std::string_view path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

std::string JoinClipPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path.append(name);
}

}  // namespace halvo
