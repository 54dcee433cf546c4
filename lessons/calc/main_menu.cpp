#include "lessons/calc/main_menu.h"

#include "lessons/calc/add_subtract.h"
#include "lessons/calc/calc_problems.h"
#include "lessons/calc/multiply_divide.h"
#include "lessons/calc/program.h"
#include "lessons/calc/terms.h"
#include "lessons/common/main_menu.h"

namespace orvelle::calc {

void ShowMainMenu(Machine& m) {
  RunMainMenu(
      m, kProgram,
      {ShowCalcSection1Menu, ShowCalcSection2Menu, ShowCalcSection3Menu, ShowCalcSection4Menu});
}

}  // namespace orvelle::calc
