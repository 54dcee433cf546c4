#include "lessons/apply/numbers.h"

#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowNumbersMenu(Machine& m) {
  RunSubMenu(m, "①倍数　②偶数例7　③奇数　④2つの続いた整数の和　⑤終了", {{}, {}, {}, {}});
}

}  // namespace orvelle::apply
