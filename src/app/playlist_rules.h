#pragma once

#include <string>
#include <string_view>

namespace halvo {

// The playlist's order: texts compared without regard to letter case.
bool PlaylistLess(std::u16string_view a, std::u16string_view b);

// The entry NextFile selects: after the last the first, with nothing selected (-1) the first.
int NextEntry(int selected, int count);
// The entry PreviousFile selects, or -1 when it does nothing (first or nothing selected).
int PreviousEntry(int selected);

// Path handling of clips: the name after the last separator, the folder before it, and a
// join that never doubles the separator (a root folder already ends in one).
std::string BareName(std::string_view path);
std::string FolderOf(std::string_view path);
std::string JoinClipPath(std::string_view folder, std::string_view name);

}  // namespace halvo
