// Orvelle Apply as its menus show it: the title, the main menu, and each section's aims and items,
// each item as its label on the sub-menu line and the routine it runs.
#pragma once

#include "lessons/apply/chapter_problems.h"
#include "lessons/apply/numbers.h"
#include "lessons/apply/relations.h"
#include "lessons/apply/sticks.h"
#include "lessons/common/program.h"

namespace orvelle::apply {

// One item a row, in the order of the sub-menu.
// clang-format off
inline constexpr ItemDescription kSticksItems[] = {
    {"P81Q", ShowSticksQuestion},
    {"ろみす", ShowCountByCubeGroups},
    {"てむさ", ShowCountByFaces},
    {"けぺとむ", ShowCountBySquares},
    {"比べて", CompareStickCounts},
    {"2段", ShowTwoTierShelf},
};
constexpr SectionDescription kSticks{"1　棒の本数を求めよう", ShowSticksGoals, kSticksItems};

inline constexpr ItemDescription kNumbersItems[] = {
    {"倍数", ShowMultiplesItem},
    {"偶数例7", ShowEvenNumbersItem},
    {"奇数", ShowOddNumbersItem},
    {"2つの続いた整数の和", ShowConsecutiveSumItem},
};
constexpr SectionDescription kNumbers{"2　数の表し方", ShowNumbersGoals, kNumbersItems};

inline constexpr ItemDescription kRelationsItems[] = {
    {"P84Q", ShowPostageTable},
    {"例=", ShowBalanceEquality},
    {"例<>", ShowBalanceInequality},
    {"例≦≧", ShowBalanceAtMostAtLeast},
    {"練習1", DrillRelationSentences},
    {"例3", ShowMuseumFeesExample},
    {"練習２", DrillPriceRelations},
    {"問２", ShowStringCuttingAnswers},
};
constexpr SectionDescription kRelations{"3　関係の表し方", ShowRelationsGoals,
                                        kRelationsItems};

inline constexpr ItemDescription kChapterProblemsAItems[] = {
    {"1,2,3", ShowChapterProblemsA123},
    {"4,5", ShowChapterProblemsA45},
    {"6", ShowSemicircleProblem},
    {"7", ShowChapterProblemA7},
};
constexpr SectionDescription kChapterProblemsA{"4　P86(章の問題A)", nullptr,
                                               kChapterProblemsAItems};

// Bare numbers: the problems of page 87 in order.
inline constexpr ItemDescription kChapterProblemsBItems[] = {
    {"", ShowChapterProblemB1},
    {"", ShowChapterProblemB2},
    {"", ShowChapterProblemB3},
};
constexpr SectionDescription kChapterProblemsB{"5　P87(章の問題B)", nullptr,
                                               kChapterProblemsBItems};
// clang-format on

constexpr SectionDescription kSections[] = {kSticks, kNumbers, kRelations, kChapterProblemsA,
                                            kChapterProblemsB};
// Item 6 is blank: nothing stands behind it, and the menu comes back.
inline constexpr const char* kClosingLines[] = {"6　", "7　終了"};

constexpr ProgramDescription kProgram{"Orvelle Apply", kSections, kClosingLines};

}  // namespace orvelle::apply
