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
  std::string drawText;       // text to draw; consumed by drawing
  float drawX = 0;            // x of the text; given back as the x just after it
  float drawY = 0;            // y of the text (top of the cell)
  float drawColor = 0;        // palette number of drawn text
  float savedColor = 0;       // drawColor kept across a key wait or message
  float savedDrawWidth = 0;   // line width kept by a routine that changes it
  std::string strArg;         // in-out text of the string helpers
  std::string glyph;          // the character being converted or drawn
  float superscriptNext = 0;  // 1: the next character is an exponent (both drawers)

  // --- Keys and number entry ---
  std::string keyText;  // the last key read
  float entryX = 0;     // top-left of the number field
  float entryY = 0;
  std::string entryText;   // the characters typed into the field
  float enteredValue = 0;  // the value of the typed text
  float cursorX = 0;       // where the field's next character goes
  float cursorY = 0;
  float charPenX = 0;  // x of the character DrawChars is drawing
  float raiseBy = 0;   // how far DrawChars raises a narrow character

  // --- Menus, drills and letter keys ---
  float menuChoice = 0;      // the sub-menu choice, copied from enteredValue
  float exerciseNo = 0;      // the pass or table index of a drill
  float letterKeyHit = 0;    // MapLetterKey: 1 when the key is one of its letters
  float letterKeyIndex = 0;  // MapLetterKey: the letter's index

  // --- Fraction texts and reduction ---
  float fracNum = 0;   // numerator given to BuildFraction
  float fracDen = 0;   // denominator given to BuildFraction
  float fracKind = 0;  // which form BuildFraction produced
  float fracSign = 0;  // sign of the fraction
  float gcdValue = 0;  // ComputeGcdLcm's results
  float lcmValue = 0;
  std::string columnTopText;  // BuildFraction's texts, one per use
  std::string columnSecondText;
  std::string fracSignedText;
  std::string reduceStepText;
  std::string reduceStepSignedText;
  std::string fracPlainText;
  std::string fracPlainSignedText;
  float addNum1 = 0;  // AddFractions' two fractions and their sum
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
  float numArg = 0;  // ListDivisorPairs' number
  float coin = 0;    // ListDivisorPairs' count of divisors

  // --- Measuring and boxes ---
  float textWidth = 0;  // width found by measuring
  float boxWidth = 0;   // text-box size and colours
  float boxHeight = 0;
  float lineColor = 0;
  float fillColor = 0;

  // --- Ratio marks ---
  float segStartX = 0;  // the segment DrawRatioTicks divides
  float segStartY = 0;
  float segEndX = 0;
  float segEndY = 0;
  float markRadius = 0;  // one-shot size of a mark
  float markCount = 0;   // number of ticks

  // --- Mark-up interpreter and glyph renderer ---
  std::string markupRest;  // what an outer mark-up run has still to draw
  std::string glyphRun;    // the run of characters DrawGlyphs draws
  float glyphRunLength = 0;
  float glyphBytes = 0;  // bytes of the glyph in the classic code page
  float glyphPenX = 0;   // where the next glyph goes
  float glyphPenY = 0;
  float raisedNext = 0;   // 1: the next character is small and raised
  float radicalMode = 0;  // open radical: 0 none, 1 outside a fraction, 11 inside, 22 tall
  float radicalBarX = 0;  // x at which the open radical's overbar starts
  float inFraction = 0;   // 1 while a numerator or denominator is measured or drawn
  float tallParens = 0;   // 1: tall parentheses
  float savedTallParens = 0;
  float spotX = 0;  // where the last fraction's denominator was drawn
  float spotY = 0;
  float labelMode = 0;  // how DrawAngleLabel places its label

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
  float marginX = 0;  // left margin
  float indentX = 0;  // indent of the current block
  float lineY = 0;    // y of the current line
  float afterX = 0;   // x after the last text

  // --- Figures ---
  float vertexX = 0;  // the vertex of an angle; a chord's first end; the arc's label point
  float vertexY = 0;
  float pointAX = 0;  // the point on an angle's first ray; a chord's second end
  float pointAY = 0;
  float pointBX = 0;  // the point on an angle's second ray
  float pointBY = 0;
  float pointCX = 0;  // a third figure point: an arrow's far end, a computed arc point
  float pointCY = 0;
  float swapRays = 0;       // one-shot: -1 exchanges the two rays; DrawEqualMarks' shift
  std::string figureLabel;  // one-shot label of a figure element, in the mark-up
  float labelOffsetX = 0;   // one-shot shift of the next figure label
  float labelOffsetY = 0;
  float labelDistance = 0;  // the label distance DrawPolygonFigure keeps for its labels
  float markGap = 0;        // distance between equal marks
  float rowPitch = 0;       // bulge of a dotted arc; row pitch of the column layout
  float arcSide = 0;        // side of the chord a dotted arc lies on (> 0: right of P->Q)
  float arcExtent = 0;      // one-shot: degrees of a partial dotted arc (<= 0: the whole half)
  float arcAngleDeg = 0;    // parameter angle of ArcPointAtAngle, in degrees
  float piValue = 0;        // 3.14159, the figures' pi
  float rayAngleRad = 0;    // direction of a ray, radians counterclockwise from +x
  float rayAngleDeg = 0;    // the same in degrees
  float rayAngleA = 0;      // directions of an angle's two rays
  float rayAngleB = 0;
  float rayTurnA = 0;  // the same as fractions of a turn for the circle primitive
  float rayTurnB = 0;
  float bisectorAngle = 0;  // direction of the angle's bisector (or an angle's size)
  std::string angleText;    // an angle's size in degrees, as text
  float gridOriginX = 0;    // top-left corner of a grid, a stick row or a graph plane
  float gridOriginY = 0;
  float gridCols = 0;   // columns of a grid
  float cellSize = 0;   // side of a grid cell
  float gridBaseX = 0;  // origin of a grid's unit coordinates (bottom-left; the axes' cross)
  float gridBaseY = 0;
  float gridLeftX = 0;  // edges of the last grid or plane
  float gridTopY = 0;
  float gridRightX = 0;
  float gridBottomY = 0;
  float highlightMode = 0;       // colour of the highlighted match-stick squares
  float polygonVertexCount = 0;  // vertices of the polygon in polygonVertices
  float figureSize = 0;          // side width of a polygon; font size of axis labels
  float segX1 = 0;               // two points of a segment or line
  float segY1 = 0;
  float segX2 = 0;
  float segY2 = 0;
  float segX3 = 0;  // a third and fourth point, or working differences
  float segY3 = 0;
  float segX4 = 0;
  float segY4 = 0;
  float segPX = 0;  // a point computed on a line: the foot of a perpendicular
  float segPY = 0;
  float crossX = 0;  // where two lines cross
  float crossY = 0;
  float slope1 = 0;  // slopes and intercepts of FindLineIntersection (1000: vertical)
  float intercept1 = 0;
  float slope2 = 0;
  float intercept2 = 0;
  float radicand = 0;    // SimplifyRoot: the number under the root; its square-free part
  float rootFactor = 0;  // the factor taken out of the root
  float givenRadicand = 0;
  float trialDivisor = 0;
  std::string radicalPartText;  // SimplifyRoot's texts
  std::string rootFactorText;
  std::string simplifiedRootText;
  std::string givenRootText;
  std::string remainingRootText;
  float factorNumber = 0;  // FactorizeNumber: the number to factor
  float factorCount = 0;   // the number of distinct small primes found
  float axisXStep = 0;     // graph value of one grid cell, along x and y
  float axisYStep = 0;
  float axisXMin = 0;  // ranges of the graph plane (grid-line indices after DrawAxes)
  float axisXMax = 0;
  float axisYMin = 0;
  float axisYMax = 0;
  float hideAxisNumbers = 0;  // -1: DrawAxes writes no numbers (one call)
  float workValue = 0;        // a tick's whole part; the x step of a curve
  float tenthsDigit = 0;      // a tick's tenths
  std::string intPartText;    // texts of a tick's whole part and tenths
  std::string tenthsText;
  float pointValueX = 0;  // a point of the graph plane, in graph values
  float pointValueY = 0;
  float pointRadius = 0;  // radius of a plotted point's disc
  float plotLabelDX = 0;  // one-shot shift of a plotted point's or graph's label
  float plotLabelDY = 0;
  float plotScreenX = 0;  // the plotted point on the screen
  float plotScreenY = 0;
  float graphType = 0;  // 1 y=a/x, 2 y=ax^2, 3 y=ax+b, 4 ax+by=c
  float graphA = 0;
  float graphB = 0;
  float graphC = 0;
  float plotX = 0;  // the current point of a curve
  float plotY = 0;
  std::string columnOpText;  // the operator in front of a column calculation's second row
  float answerX = 0;         // x at which a column calculation's answer row starts
  float arrowReverse = 0;    // one-shot: -1 puts the arrow head at the first end
  float arrowBothEnds = 0;   // one-shot: 2 puts heads at both ends
  float legStartX = 0;       // the two ends of a right triangle's hypotenuse
  float legStartY = 0;
  float legEndX = 0;
  float legEndY = 0;
  std::string legLabelFlags;  // "y" in place 1 / 2: label the horizontal / vertical leg
  std::string amountLetter;   // a text of an amount; the horizontal leg's length
  std::string legLabelY;      // the vertical leg's length

  // === Variables only the lessons use, one block per program ===

  // --- Orvelle ---
  // Section 1: the stick table's expression column keeps a cursor of its own.
  float tableRightY = 0;       // y of the current line of that column
  float tableRightAfterX = 0;  // x just after the last text of that column
  // Section 2.
  float lastRulePick = 0;  // last problem number drawn by a 10-problem rule drill; kept all run
  // Sections 3 to 5.
  float lastPick = 0;  // last accepted speed or radius pick; lives for the whole run

  // --- Orvelle Calc ---
  // Section 1.
  float letterPick = 0;       // the letter slot (1..5) of a coefficient question
  float firstTermColor = 0;   // DrawLikeTermsArea: colour of the first term's labels
  float secondTermColor = 0;  // fill of the second term's box and colour of its labels
  float bottomBackFill = 0;   // fill of the bottom row's box drawn first
  float bottomFrontFill = 0;  // fill of the bottom row's box drawn second
  // Section 3: the flower bed and example 8.
  float figTopY = 0;  // top of the flower bed beside its working; y of example 8's first product
  float blockY = 0;   // y of a line from which a later line of the same block is placed

  // --- Orvelle Apply ---
  // Sections 1 and 2.
  float stickGapV = 0;        // cube row: length left free at both ends of each vertical stick
  float stickGapH = 0;        // cube row: the same for each horizontal stick
  float stickColorBack = 0;   // cube row: colour of the back vertical sticks
  float stickColorFront = 0;  // cube row: colour of the front vertical sticks
  float stickColorH = 0;      // cube row: colour of the horizontal sticks
  // Section 3.
  float balanceTilt = 0;  // tilt of the balance's beam in radians; > 0 lowers the left end
  float balanceStep = 0;  // frame counter of a tilt animation, from 0

  // --- Shared arrays, each 0..bound ---
  Array<std::string, 40> signText;       // texts of auxNum; sign texts, letters, questions
  Array<float, 40> auxNum;               // auxiliary numbers of the lessons
  Array<std::string, 80> coefText;       // texts of coef; tabled expressions
  Array<float, 80> coef;                 // the numbers of a generated problem
  Array2<float, 10, 2> polygonVertices;  // polygon figures: vertex, coordinate (x in 1, y in 2)
  Array<float, 50> figX;                 // figure points and layout anchors
  Array<float, 50> figY;
  Array<float, 10> figParam;          // extra figure parameters
  Array<std::string, 20> letterText;  // short labels: letters, circled numbers, relation signs
  Array<std::string, 10> fracText;    // fraction texts; sentence endings
  Array<float, 40> markX;             // cancellation marks and anchor points
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
