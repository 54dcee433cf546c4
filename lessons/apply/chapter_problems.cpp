#include "lessons/apply/chapter_problems.h"

#include "lessons/apply/program.h"
#include "lessons/common/section.h"

namespace orvelle::apply {

void ShowChapterProblemsAMenu(Machine& m) {
  RunSubMenu(m, kChapterProblemsA,
             {ShowChapterProblemsA123, ShowChapterProblemsA45, ShowSemicircleProblem,
              ShowChapterProblemA7});
}

void ShowChapterProblemsBMenu(Machine& m) {
  RunSubMenu(m, kChapterProblemsB,
             {ShowChapterProblemB1, ShowChapterProblemB2, ShowChapterProblemB3});
}

}  // namespace orvelle::apply
