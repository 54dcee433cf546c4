#include "lessons/calc/add_subtract.h"

#include "lessons/common/section.h"

namespace orvelle::calc {

void ShowCalcSection2Menu(Machine& m) {
  RunSubMenu(m, "①例４　②問4　③例５　④問6　⑤縦計算+　⑥縦計算-　⑦終了",
             {{}, {}, {}, {}, {}, {}});
}

}  // namespace orvelle::calc
