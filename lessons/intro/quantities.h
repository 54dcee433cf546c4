// Section 3 "数量の表し方、よみ方": units, ratios, speed, circles and rectangles written with
// letters, and what such expressions stand for.
#pragma once

#include "core/shared.h"

namespace orvelle::intro {

// The aims, drawn once as the section opens.
void ShowQuantitiesGoals(Machine& m);

// The items of the sub-menu.
void ShowUnitsExample5(Machine& m);       // ① a string of x m less y cm; units brought together
void ShowRatioItem(Machine& m);           // ② a ratio as decimal, fraction, percent and tenths
void ShowJuiceExample6(Machine& m);       // ③ 70 % of a L of drink
void ShowSpeedItem(Machine& m);           // ④ distance, time and speed drills
void ShowCircleExample8(Machine& m);      // ⑤ circumference with 3.14 and with π
void ShowCircleExercise12(Machine& m);    // ⑥ diameter and circumference of radius L
void ShowRectangleExample10(Machine& m);  // ⑦ what ab, 2(a+b), 4a and a² stand for

// Erases the area a drill pass writes on, from (x1, y1) to (x2, y2); the corners stay in
// figX/figY(1) and (2).
void EraseDrillArea(Machine& m, float x1, float y1, float x2, float y2);

// The random picks of the drills, one problem each.
// Speed drills: coef(1) = v (10 × a pick of 6..10; a repeat of lastPick gives 5), coef(2) = t.
void PickSpeedAndTime(Machine& m);
// Radius drill: coef(1) = 1..9 (a repeat of lastPick gives 10).
void PickRadius(Machine& m);

}  // namespace orvelle::intro
