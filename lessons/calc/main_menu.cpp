#include "lessons/calc/main_menu.h"

#include "lessons/calc/add_subtract.h"
#include "lessons/calc/calc_problems.h"
#include "lessons/calc/multiply_divide.h"
#include "lessons/calc/terms.h"
#include "lessons/common/main_menu.h"

namespace orvelle::calc {
namespace {

// The blank item "5　": nothing stands behind it, and the menu comes back.
void SkipBlankMenuItem(Machine& /*m*/) {}

}  // namespace

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, {
                     {"1　項,係数,同類項計算", ShowCalcSection1Menu},
                     {"2　1次式の加減", ShowCalcSection2Menu},
                     {"3　1次式と数の乗除", ShowCalcSection3Menu},
                     {"4　P80(基本の問題)", ShowCalcSection4Menu},
                     {"5　", SkipBlankMenuItem},
                     {"6　終了", {}},
                 });
}

}  // namespace orvelle::calc
