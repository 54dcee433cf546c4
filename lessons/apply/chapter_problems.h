// Sections 4 "P86(章の問題A)" and 5 "P87(章の問題B)": the worked answers of the chapter
// problems of pages 86 and 87.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// Chapter problems A, without aims.
// ①: problems 1 to 3, in three steps.
void ShowChapterProblemsA123(Machine& m);
// ②: problems 4 and 5, in four steps, clearing one column at a time.
void ShowChapterProblemsA45(Machine& m);
// ③: problem 6, with the half-disc in its circle.
void ShowSemicircleProblem(Machine& m);
// ④: problem 7, the expression read part by part.
void ShowChapterProblemA7(Machine& m);

// Chapter problems B, without aims. Each item draws its whole screen at once.
// ①: five expressions at a = -3 and a = 3.
void ShowChapterProblemB1(Machine& m);
// ②: two expressions with fraction coefficients.
void ShowChapterProblemB2(Machine& m);
// ③: two relations written in letters.
void ShowChapterProblemB3(Machine& m);

}  // namespace orvelle::apply
