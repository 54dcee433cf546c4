#include "lessons/apply/chapter_problems.h"

#include "lessons/apply/chapter_problems_page.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"

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

void OpenAnswerScreen(Machine& m, const std::string& title) {
  ClearPage(m, 1760, 1800);
  StartColumn(m, 40);
  BoxStep(m, m.marginX, m.lineY, {396, 48, 3, 13}, 0, title);
}

void StartColumn(Machine& m, float margin) {
  m.marginX = margin;
  m.indentX = m.marginX + 54;
  m.lineY = 30;
}

void ProblemNumber(Machine& m, float x, float y, const std::string& number) {
  BoxStep(m, x, y, {44, 44, 4, 3}, 13, number);
}

void DrawAnswerTexts(Machine& m, std::span<const AnswerText> texts) {
  for (const AnswerText& t : texts) {
    switch (t.from) {
      case From::kMargin:
        TextStep(m, m.marginX, m.lineY + t.gap, t.color, t.text);
        break;
      case From::kIndent:
        TextStep(m, m.indentX, m.lineY + t.gap, t.color, t.text);
        break;
      case From::kAfter:
        TextStep(m, m.afterX + t.gap, m.lineY, t.color, t.text);
        break;
    }
  }
}

}  // namespace orvelle::apply
