#pragma once

#include <string>
#include <string_view>

namespace halvo {

// Texts the program shows are UTF-16; file paths and command lines are UTF-8.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

// printf-style formatting of the program's ASCII formats ("%d fps", "%02d:%02d").
std::u16string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace halvo
