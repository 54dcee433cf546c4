#include "lessons/calc/multiply_divide.h"

#include "lessons/calc/products.h"
#include "lessons/calc/quotients.h"
#include "lessons/common/section.h"

namespace orvelle::calc {

void ShowCalcSection3Menu(Machine& m) {
  RunSubMenu(m, "①例６　②例７　③分配課題　④例８　⑤例9　⑥例÷　⑦例１１　⑧例12　⑨終了",
             {{}, {}, {}, ShowCalcExample8, ShowCalcExample9, ShowCalcExample10,
              ShowCalcExample11, ShowCalcExample12});
}

}  // namespace orvelle::calc
