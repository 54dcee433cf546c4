#include "lessons/apply/main_menu.h"

#include "lessons/common/main_menu.h"

namespace orvelle::apply {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, {
                     {"1　棒の本数を求めよう", {}},
                     {"2　数の表し方", {}},
                     {"3　関係の表し方", {}},
                     {"4　P86(章の問題A)", {}},
                     {"5　P87(章の問題B)", {}},
                     {"6　", {}},
                     {"7　終了", {}},
                 });
}

}  // namespace orvelle::apply
