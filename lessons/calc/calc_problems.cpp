#include "lessons/calc/calc_problems.h"

#include "lessons/common/section.h"

namespace orvelle::calc {

void ShowCalcSection4Menu(Machine& m) { RunSubMenu(m, "①　②　③　④終了", {{}, {}, {}}); }

}  // namespace orvelle::calc
