#include "lessons/intro/main_menu.h"

#include "lessons/common/main_menu.h"
#include "lessons/intro/expr_value.h"
#include "lessons/intro/intro_problems.h"
#include "lessons/intro/letter_use.h"
#include "lessons/intro/quantities.h"
#include "lessons/intro/writing_rules.h"

namespace orvelle::intro {

void ShowMainMenu(Machine& m) {
  RunMainMenu(m, {
                     {"1　文字の使用", LetterUseSection},
                     {"2　式の表し方", WritingRulesSection},
                     {"3　数量の表し方、よみ方", ShowQuantitiesMenu},
                     {"4　式の値", ShowExprValueMenu},
                     {"5　P72(基本の問題)", IntroProblemsSection},
                     {"6　終了", {}},
                 });
}

}  // namespace orvelle::intro
