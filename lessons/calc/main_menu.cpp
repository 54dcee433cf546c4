#include "lessons/calc/main_menu.h"

#include "lessons/common/main_menu.h"

namespace orvelle::calc {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, {
                     {"1　項,係数,同類項計算", {}},
                     {"2　1次式の加減", {}},
                     {"3　1次式と数の乗除", {}},
                     {"4　P80(基本の問題)", {}},
                     {"5　", {}},
                     {"6　終了", {}},
                 });
}

}  // namespace orvelle::calc
