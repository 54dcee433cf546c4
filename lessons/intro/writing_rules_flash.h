// The flash drill of section 2 "式の表し方": a problem and an empty answer box, a key, the box
// again with the answer, then the next-step prompt (1 ends the drill). Every drill of the
// section is this one loop, driven by a record of where its texts and boxes stand and where its
// problems come from.
#pragma once

#include <span>

#include "core/shared.h"

namespace orvelle::intro {

// One row of a problem table, in the mark-up.
struct FlashProblem {
  const char* question;
  const char* answer;
  const char* asFraction = "";  // a quotient's middle column ("ﾀa/-9ﾀ"); "" when there is none
};

// How a drill picks its problem on every pass.
enum class FlashPick {
  kNone,          // the generator makes the problem
  kRuleTen,       // 1 to 10; a repeat of the last rule pick shows problem 3 (PickRuleProblem)
  kTwentyFreely,  // 1 to 20, repeats allowed
};

// Where a drill's question and answer stand in the shared tables.
enum class FlashColumns {
  kGenerated,      // question signText(1), answer signText(2)
  kQuestionFirst,  // question coefText(n), answer coefText(10 + n)
  kWithFraction,   // question coefText(n) "=" coefText(20 + n), answer coefText(10 + n)
  kAnswerFirst,    // answer coefText(n), question coefText(20 + n)
};

// A box as wide as 30 per character of its answer, plus 30.
constexpr float kBoxFitsAnswer = 0;

// Where a drill's column starts on every pass: at the page's top (y 30), or on the rule line of
// the drill above it (its y kept in figY(31)).
enum class FlashTop { kPage, kBelowRule };

struct FlashDrill {
  // The column StartColumn sets at the top of every pass: marginX, indentX and lineY.
  struct {
    float x, indent;
    FlashTop top;
  } column;
  struct {
    const char* text;
    float x;
    float dy;  // at lineY + dy; hy below is the heading's y
  } heading;
  struct {
    float left, right, dy, height;  // from hy + dy down
  } erase;                          // the problem area, erased on every pass
  struct {
    float x, dy;  // at (x, hy + dy)
  } question;
  struct {
    float width, height;  // width kBoxFitsAnswer: as the answer needs
  } box;
  FlashPick pick;
  FlashColumns columns;
  std::span<const FlashProblem> table;     // written into coefText on every pass
  void (*generate)(Machine& m) = nullptr;  // kGenerated: makes signText(1) and signText(2)
};

// Runs the drill until the next-step prompt gives 1. It leaves lineY at the question's line of
// the last problem and afterX after its answer box, where the item's rule text goes on.
void RunFlashDrill(Machine& m, const FlashDrill& drill);

// exerciseNo = a random problem 1 to 10. A pick equal to lastRulePick shows problem 3 instead
// and lastRulePick keeps the repeated number; any other pick becomes lastRulePick.
void PickRuleProblem(Machine& m);

// exerciseNo = a random problem 1 to 20; lastRulePick is not touched.
void PickSymbolProblem(Machine& m);

}  // namespace orvelle::intro
