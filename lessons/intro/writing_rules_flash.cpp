#include "lessons/intro/writing_rules_flash.h"

#include <string>

#include "core/prompts.h"
#include "lessons/common/page.h"
#include "lessons/common/random_pick.h"
#include "lessons/common/section.h"
#include "lessons/common/steps.h"
#include "platform/number.h"
#include "platform/text.h"

namespace orvelle::intro {
namespace {

// The problem shown in place of a repeated pick.
constexpr float kRepeatShows = 3;

// Colours of the drill: heading, box border, question, box inside, answer, erasing.
constexpr float kHeadingColor = 3;
constexpr float kBoxBorder = 3;
constexpr float kQuestionColor = 0;
constexpr float kBoxFill = 13;
constexpr float kAnswerColor = 5;

void WriteTable(Machine& m, const FlashDrill& drill) {
  int n = 1;
  for (const FlashProblem& p : drill.table) {
    if (drill.columns == FlashColumns::kAnswerFirst) {
      m.coefText[n] = p.answer;
      m.coefText[20 + n] = p.question;
    } else {
      m.coefText[n] = p.question;
      m.coefText[10 + n] = p.answer;
      if (drill.columns == FlashColumns::kWithFraction) m.coefText[20 + n] = p.asFraction;
    }
    ++n;
  }
}

std::string Question(Machine& m, const FlashDrill& drill) {
  const int n = ToInt(m.exerciseNo);
  switch (drill.columns) {
    case FlashColumns::kGenerated:
      return m.signText[1];
    case FlashColumns::kQuestionFirst:
      return m.coefText[n];
    case FlashColumns::kWithFraction:
      return m.coefText[n] + "=" + m.coefText[20 + n];
    case FlashColumns::kAnswerFirst:
      return m.coefText[20 + n];
  }
  return "";
}

std::string Answer(Machine& m, const FlashDrill& drill) {
  const int n = ToInt(m.exerciseNo);
  switch (drill.columns) {
    case FlashColumns::kGenerated:
      return m.signText[2];
    case FlashColumns::kQuestionFirst:
    case FlashColumns::kWithFraction:
      return m.coefText[10 + n];
    case FlashColumns::kAnswerFirst:
      return m.coefText[n];
  }
  return "";
}

// The answer box at the empty box's place, with `text` in it (empty: a blank box); the cursor
// follows the box.
void AnswerBox(Machine& m, const FlashDrill& drill, const std::string& text) {
  float width = drill.box.width;
  if (width == kBoxFitsAnswer) width = 30 * CharLen(Answer(m, drill)) + 30.0f;
  BoxAroundStep(m, m.figX[1], m.figY[1], {width, drill.box.height, kBoxBorder, kBoxFill},
                kAnswerColor, text);
}

void Pass(Machine& m, const FlashDrill& drill) {
  if (drill.generate) drill.generate(m);
  WriteTable(m, drill);
  switch (drill.pick) {
    case FlashPick::kNone:
      break;
    case FlashPick::kRuleTen:
      PickRuleProblem(m);
      break;
    case FlashPick::kTwentyFreely:
      PickSymbolProblem(m);
      break;
  }

  StartColumn(m, drill.column.x, drill.column.indent,
              drill.column.top == FlashTop::kPage ? 30 : m.figY[31]);
  TextStep(m, drill.heading.x, m.lineY + drill.heading.dy, kHeadingColor, drill.heading.text);
  const float hy = m.lineY;

  // The previous problem and its box go; the heading above was drawn again in its place.
  m.figX[11] = drill.erase.left;
  m.figY[11] = hy + drill.erase.dy;
  m.figX[12] = drill.erase.right;
  m.figY[12] = m.figY[11] + drill.erase.height;
  EraseRect(m, m.figX[11], m.figY[11], m.figX[12], m.figY[12]);

  TextStep(m, drill.question.x, hy + drill.question.dy, kQuestionColor, Question(m, drill) + "=");
  m.figX[1] = m.afterX + 10;
  m.figY[1] = m.lineY;
  AnswerBox(m, drill, "");
  Key(m);
  AnswerBox(m, drill, Answer(m, drill));
}

}  // namespace

void PickRuleProblem(Machine& m) {
  const float n = RandomPick(m, 10, 1);
  if (n == m.lastRulePick) {
    m.exerciseNo = kRepeatShows;
  } else {
    m.exerciseNo = n;
    m.lastRulePick = n;
  }
}

void PickSymbolProblem(Machine& m) { m.exerciseNo = RandomPick(m, 20, 1); }

void RunFlashDrill(Machine& m, const FlashDrill& drill) {
  // The pick overwrites exerciseNo before it is used; the products drill has none.
  m.exerciseNo = drill.pick == FlashPick::kNone ? 0 : 1;
  RunDrill(m, [&drill](Machine& mm) { Pass(mm, drill); });
}

}  // namespace orvelle::intro
