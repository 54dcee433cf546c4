#include "lessons/apply/relations.h"

#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowRelationsMenu(Machine& m) {
  RunSubMenu(m, "①P84Q　②例=　③例<>　④例≦≧　⑤練習1　⑥例3　⑦練習２　⑧問２　⑨終了",
             {{}, {}, {}, {}, {}, {}, {}, {}});
}

}  // namespace orvelle::apply
