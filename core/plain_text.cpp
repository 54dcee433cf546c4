#include "core/plain_text.h"

#include <algorithm>

namespace orvelle {

void RemoveSpaces(Machine& m) {
  // Byte 32 never occurs inside a multi-byte character, so wide characters pass through whole.
  std::erase(m.strArg, ' ');
}

}  // namespace orvelle
