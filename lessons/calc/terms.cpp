#include "lessons/calc/terms.h"

#include "lessons/common/section.h"

namespace orvelle::calc {

void ShowCalcSection1Menu(Machine& m) {
  RunSubMenu(m, "①P73Q　②項,係数　③問1　④例2　⑤例3　⑥終了", {{}, {}, {}, {}, {}});
}

}  // namespace orvelle::calc
