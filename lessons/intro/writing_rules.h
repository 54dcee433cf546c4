// Section 2 "式の表し方": the rules for writing expressions with letters, mostly as flash drills.
#pragma once

#include "core/shared.h"

namespace orvelle::intro {

// The aims, drawn once as the section opens.
void ShowWritingRulesGoals(Machine& m);

// The items of the sub-menu.
void ShowRule1ProductDrill(Machine& m);    // ① random products of a number and a letter
void ShowStampsExample(Machine& m);        // ② the price of stamps, and P66 問1
void ShowRule2Drills(Machine& m);          // ③ letter order, brackets, fractional factors
void ShowExercise2Answers(Machine& m);     // ④ worked answers of P67 問2
void ShowRule3Drills(Machine& m);          // ⑤ the factor 1, and powers
void ShowRule4QuotientDrills(Machine& m);  // ⑥ quotients as fractions, and their signs
void ShowExercise6AndSummary(Machine& m);  // ⑦ P68 問6 and the summary of the rules
void ShowSymbolWritingDrill(Machine& m);   // ⑧ back to "*" and "/"

// Item ①'s problem: coef(1) = ±2..19 and a letter a, b, x or y; signText(1) = the product
// with "*" in either order, signText(2) = the product in letter notation.
void GenerateProduct(Machine& m);

}  // namespace orvelle::intro
