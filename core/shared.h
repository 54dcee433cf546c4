// Every program-wide shared variable and array. The routines of the programs talk through these
// by name: a caller sets a routine's inputs, calls it, and reads its outputs. Numbers are single
// precision, texts UTF-8; everything starts at 0 and "".
#pragma once

#include <string>

#include "platform/array.h"
#include "platform/device.h"
#include "platform/random.h"

namespace orvelle {

struct Shared {
  // --- Start-up and the error screen ---
  float clockSeed = 0;    // seed from the clock (h + m + s); the error screen's line number
  float errorCode = 0;    // the error screen's error code; DrawRatioTicks' second ratio term
  std::string titleText;  // the program's title, shown in the main menu's heading

  // --- Text drawing (both drawers) ---
  std::string drawText;   // text to draw; consumed by drawing
  float drawX = 0;        // x of the text; given back as the x just after it
  float drawY = 0;        // y of the text (top of the cell)
  float drawColor = 0;    // palette number of drawn text
  float savedColor = 0;   // drawColor kept across a key wait or message
  float savedDrawWidth = 0;  // line width kept by a routine that changes it
  std::string strArg;     // in-out text of the string helpers
  std::string glyph;      // the character being converted or drawn
  float superscriptNext = 0;  // 1: the next character is an exponent (both drawers)

  // --- Keys and number entry ---
  std::string keyText;    // the last key read
  float entryX = 0;       // top-left of the number field
  float entryY = 0;
  std::string entryText;  // the characters typed into the field
  float enteredValue = 0; // the value of the typed text
  float cursorX = 0;      // where the field's next character goes
  float cursorY = 0;
  float charPenX = 0;     // x of the character DrawChars is drawing
  float raiseBy = 0;      // how far DrawChars raises a narrow character

  // --- Menus, drills and letter keys ---
  float menuChoice = 0;   // the sub-menu choice, copied from enteredValue
  float exerciseNo = 0;   // the pass or table index of a drill
  float letterKeyHit = 0; // MapLetterKey: 1 when the key is one of its letters
  float letterKeyIndex = 0;  // MapLetterKey: the letter's index

  // --- Fraction texts and reduction ---
  float fracNum = 0;      // numerator given to BuildFraction
  float fracDen = 0;      // denominator given to BuildFraction
  float fracKind = 0;     // which form BuildFraction produced
  float fracSign = 0;     // sign of the fraction
  float gcdValue = 0;     // ComputeGcdLcm's results
  float lcmValue = 0;
  std::string columnTopText;      // BuildFraction's texts, one per use
  std::string columnSecondText;
  std::string fracSignedText;
  std::string reduceStepText;
  std::string reduceStepSignedText;
  std::string fracPlainText;
  std::string fracPlainSignedText;
  float addNum1 = 0;      // AddFractions' two fractions and their sum
  float addDen1 = 0;
  float addNum2 = 0;
  float addDen2 = 0;
  float addScaledNum1 = 0;
  float addScaledNum2 = 0;
  float addSumNum = 0;
  std::string addFirstSignedText;  // AddFractions' texts
  std::string addSumText;
  std::string addSumSignedText;
  std::string addTermsText;
  std::string addFirstAbsText;
  std::string addSecondAbsText;
  float numArg = 0;       // ListDivisorPairs' number
  float coin = 0;         // ListDivisorPairs' count of divisors

  // --- Measuring and boxes ---
  float textWidth = 0;    // width found by measuring
  float boxWidth = 0;     // text-box size and colours
  float boxHeight = 0;
  float lineColor = 0;
  float fillColor = 0;

  // --- Ratio marks ---
  float segStartX = 0;    // the segment DrawRatioTicks divides
  float segStartY = 0;
  float segEndX = 0;
  float segEndY = 0;
  float markRadius = 0;   // one-shot size of a mark
  float markCount = 0;    // number of ticks

  // --- Mark-up interpreter and glyph renderer ---
  std::string markupRest;    // what an outer mark-up run has still to draw
  std::string glyphRun;      // the run of characters DrawGlyphs draws
  float glyphRunLength = 0;
  float glyphBytes = 0;      // bytes of the glyph in the classic code page
  float glyphPenX = 0;       // where the next glyph goes
  float glyphPenY = 0;
  float raisedNext = 0;      // 1: the next character is small and raised
  float radicalMode = 0;     // open radical: 0 none, 1 outside a fraction, 11 inside, 22 tall
  float radicalBarX = 0;     // x at which the open radical's overbar starts
  float inFraction = 0;      // 1 while a numerator or denominator is measured or drawn
  float tallParens = 0;      // 1: tall parentheses
  float savedTallParens = 0;
  float spotX = 0;           // where the last fraction's denominator was drawn
  float spotY = 0;
  float labelMode = 0;       // how DrawAngleLabel places its label

  // --- Scratch of many routines; carries nothing from one call to the next ---
  float charIndex = 0;
  float strLength = 0;
  float textLength = 0;
  float lettersPos = 0;
  float symbolsPos = 0;
  float originX = 0;
  float originY = 0;
  float textOffsetX = 0;
  float loopIndex = 0;
  float squareCount = 0;

  // --- Layout cursor of the lesson screens ---
  float marginX = 0;      // left margin
  float indentX = 0;      // indent of the current block
  float lineY = 0;        // y of the current line
  float afterX = 0;       // x after the last text

  // --- Shared arrays, each 0..bound ---
  Array<std::string, 40> signText;  // texts of auxNum; sign texts, letters, questions
  Array<float, 40> auxNum;          // auxiliary numbers of the lessons
  Array<std::string, 80> coefText;  // texts of coef; tabled expressions
  Array<float, 80> coef;            // the numbers of a generated problem
  Array2<float, 10, 2> polygonVertices;  // polygon figures: vertex, coordinate (x in 1, y in 2)
  Array<float, 50> figX;            // figure points and layout anchors
  Array<float, 50> figY;
  Array<float, 10> figParam;        // extra figure parameters
  Array<std::string, 20> letterText;  // short labels: letters, circled numbers, relation signs
  Array<std::string, 10> fracText;  // fraction texts; sentence endings
  Array<float, 40> markX;           // cancellation marks and anchor points
  Array<float, 40> markY;
};

// A running program: the shared state, the screen and keyboard, the random generator.
struct Machine : Shared {
  explicit Machine(Device& d) : device(d) {}
  Device& device;
  Random random;

  float Rnd() { return random.Next(); }
};

}  // namespace orvelle
