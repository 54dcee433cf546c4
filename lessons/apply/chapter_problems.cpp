#include "lessons/apply/chapter_problems.h"

#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowChapterProblemsAMenu(Machine& m) {
  RunSubMenu(m, "①1,2,3　②4,5　③6　④7　⑤終了", {{}, {}, {}, {}});
}

void ShowChapterProblemsBMenu(Machine& m) { RunSubMenu(m, "①　②　③　④終了", {{}, {}, {}}); }

}  // namespace orvelle::apply
