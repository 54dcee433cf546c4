#include "lessons/common/program.h"

namespace orvelle {
namespace {

// ① .. ⑳: U+2460 + n - 1, three bytes in UTF-8.
std::string Circled(int n) {
  const int code = 0x2460 + n - 1;
  return {static_cast<char>(0xe0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3f)),
          static_cast<char>(0x80 | (code & 0x3f))};
}

}  // namespace

std::string SectionDescription::SubMenuLine() const {
  std::string line;
  int n = 0;
  for (const ItemDescription& item : items) line += Circled(++n) + item.label + "　";
  return line + Circled(n + 1) + "終了";
}

}  // namespace orvelle
