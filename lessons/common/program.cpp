#include "lessons/common/program.h"

#include "platform/text.h"

namespace orvelle {

std::string SectionDescription::SubMenuLine() const {
  constexpr int kCircledOne = 0x2460;  // ①
  std::string line;
  int n = 0;
  for (const ItemDescription& item : items) line += Chr(kCircledOne + n++) + item.label + "　";
  return line + Chr(kCircledOne + n) + "終了";
}

}  // namespace orvelle
