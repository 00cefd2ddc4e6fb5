#pragma once

#include <string>

namespace halvo {

// The locale that decides the user-interface language: the first set of
// LC_ALL, LC_MESSAGES and LANG; "C" when none is.
std::string SystemLocaleName();

}  // namespace halvo
