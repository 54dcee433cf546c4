// Orvelle as its menus show it: the title, the main menu, and each section's aims and items, each
// item as its label on the sub-menu line and the routine it runs.
#pragma once

#include "lessons/common/program.h"
#include "lessons/intro/expr_value.h"
#include "lessons/intro/intro_problems.h"
#include "lessons/intro/letter_use.h"
#include "lessons/intro/quantities.h"
#include "lessons/intro/writing_rules.h"

namespace orvelle::intro {

// One item a row, in the order of the sub-menu.
// clang-format off
inline constexpr ItemDescription kLetterUseItems[] = {
    {"P62Q", ShowP62Question},
    {"P64Q", ShowP64Question},
    {"例1", ShowExample1},
    {"問1,2,3", ShowExercises1To3},
};
constexpr SectionDescription kLetterUse{"1　文字の使用", ShowLetterUseGoals,
                                        kLetterUseItems};

inline constexpr ItemDescription kWritingRulesItems[] = {
    {"きまり１積", ShowRule1ProductDrill},
    {"例", ShowStampsExample},
    {"きまり２", ShowRule2Drills},
    {"問2", ShowExercise2Answers},
    {"きまり3", ShowRule3Drills},
    {"きまり4商", ShowRule4QuotientDrills},
    {"問6,まとめ", ShowExercise6AndSummary},
    {"記号を使って", ShowSymbolWritingDrill},
};
constexpr SectionDescription kWritingRules{"2　式の表し方", ShowWritingRulesGoals,
                                           kWritingRulesItems};

inline constexpr ItemDescription kQuantitiesItems[] = {
    {"例5", ShowUnitsExample5},
    {"割合", ShowRatioItem},
    {"例6", ShowJuiceExample6},
    {"例7", ShowSpeedItem},
    {"例8", ShowCircleExample8},
    {"問12", ShowCircleExercise12},
    {"例10", ShowRectangleExample10},
};
constexpr SectionDescription kQuantities{"3　数量の表し方、よみ方", ShowQuantitiesGoals,
                                         kQuantitiesItems};

inline constexpr ItemDescription kExprValueItems[] = {
    {"P71Q", ShowP71Question},
    {"問1", ShowExercise1Answers},
    {"例２", ShowExample2Answers},
    {"例３", ShowValueDrill},
};
constexpr SectionDescription kExprValue{"4　式の値", ShowExprValueGoals, kExprValueItems};

inline constexpr ItemDescription kIntroProblemsItems[] = {
    {"1,2", ShowProblems1And2},
    {"3", ShowProblem3},
    {"4,5", ShowProblems4And5},
};
constexpr SectionDescription kIntroProblems{"5　P72(基本の問題)", nullptr,
                                            kIntroProblemsItems};
// clang-format on

constexpr SectionDescription kSections[] = {kLetterUse, kWritingRules, kQuantities, kExprValue,
                                            kIntroProblems};
inline constexpr const char* kClosingLines[] = {"6　終了"};

constexpr ProgramDescription kProgram{"Orvelle", kSections, kClosingLines};

}  // namespace orvelle::intro
