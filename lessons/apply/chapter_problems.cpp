#include "lessons/apply/chapter_problems.h"

#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowChapterProblemsAMenu(Machine& m) {
  RunSubMenu(m, "①1,2,3　②4,5　③6　④7　⑤終了",
             {ShowChapterProblemsA123, ShowChapterProblemsA45, ShowSemicircleProblem,
              ShowChapterProblemA7});
}

void ShowChapterProblemsBMenu(Machine& m) {
  RunSubMenu(m, "①　②　③　④終了",
             {ShowChapterProblemB1, ShowChapterProblemB2, ShowChapterProblemB3});
}

}  // namespace orvelle::apply
