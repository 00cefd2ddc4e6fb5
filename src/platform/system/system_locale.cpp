#include "platform/system/system_locale.h"

#include <cstdlib>

namespace halvo {

std::string SystemLocaleName() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

}  // namespace halvo
