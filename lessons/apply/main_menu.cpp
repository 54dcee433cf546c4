#include "lessons/apply/main_menu.h"

#include "lessons/apply/chapter_problems.h"
#include "lessons/apply/numbers.h"
#include "lessons/apply/relations.h"
#include "lessons/apply/sticks.h"
#include "lessons/common/main_menu.h"

namespace orvelle::apply {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, {
                     {"1　棒の本数を求めよう", ShowSticksMenu},
                     {"2　数の表し方", ShowNumbersMenu},
                     {"3　関係の表し方", ShowRelationsMenu},
                     {"4　P86(章の問題A)", ShowChapterProblemsAMenu},
                     {"5　P87(章の問題B)", ShowChapterProblemsBMenu},
                     {"6　", {}},
                     {"7　終了", {}},
                 });
}

}  // namespace orvelle::apply
