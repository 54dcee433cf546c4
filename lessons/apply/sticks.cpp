#include "lessons/apply/sticks.h"

#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowSticksMenu(Machine& m) {
  RunSubMenu(m, "①P81Q　②ろみす　③てむさ　④けぺとむ　⑤比べて　⑥2段　⑦終了",
             {{}, {}, {}, {}, {}, {}});
}

}  // namespace orvelle::apply
