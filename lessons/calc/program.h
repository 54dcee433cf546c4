// Orvelle Calc as its menus show it: the title, the main menu, and each section's aims and items,
// each item as its label on the sub-menu line and the routine it runs.
#pragma once

#include "lessons/calc/add_subtract.h"
#include "lessons/calc/calc_problems.h"
#include "lessons/calc/multiply_divide.h"
#include "lessons/calc/products.h"
#include "lessons/calc/quotients.h"
#include "lessons/calc/terms.h"
#include "lessons/common/program.h"

namespace orvelle::calc {

// One item a row, in the order of the sub-menu.
// clang-format off
inline constexpr ItemDescription kSection1Items[] = {
    {"P73Q", ShowP73Question},
    {"項,係数", ShowTermsAndCoefficients},
    {"問1", ShowExercise1Answers},
    {"例2", ShowLikeTermsExample},
    {"例3", ShowCollectLikeTermsExample},
};
constexpr SectionDescription kSection1{"1　項,係数,同類項計算", ShowSection1Goals,
                                       kSection1Items};

inline constexpr ItemDescription kSection2Items[] = {
    {"例４", ShowWorkedAddition},
    {"問4", ShowExercise4And5Answers},
    {"例５", ShowWorkedSubtraction},
    {"問6", ShowExercise6And7Answers},
    {"縦計算+", ShowColumnAddition},
    {"縦計算-", ShowColumnSubtraction},
};
constexpr SectionDescription kSection2{"2　1次式の加減", ShowSection2Goals, kSection2Items};

inline constexpr ItemDescription kSection3Items[] = {
    {"例６", ShowCalcExample6},
    {"例７", ShowCalcExample7},
    {"分配課題", ShowFlowerBedProblem},
    {"例８", ShowCalcExample8},
    {"例9", ShowCalcExample9},
    {"例÷", ShowCalcExample10},
    {"例１１", ShowCalcExample11},
    {"例12", ShowCalcExample12},
};
constexpr SectionDescription kSection3{"3　1次式と数の乗除", ShowSection3Goals,
                                       kSection3Items};

// Bare numbers: the pages of the problems.
inline constexpr ItemDescription kSection4Items[] = {
    {"", ShowCalcSection4Page1},
    {"", ShowCalcSection4Page2},
    {"", ShowCalcSection4Page3},
};
constexpr SectionDescription kSection4{"4　P80(基本の問題)", nullptr, kSection4Items};
// clang-format on

constexpr SectionDescription kSections[] = {kSection1, kSection2, kSection3, kSection4};
// Item 5 is blank: nothing stands behind it, and the menu comes back.
inline constexpr const char* kClosingLines[] = {"5　", "6　終了"};

constexpr ProgramDescription kProgram{"Orvelle Calc", kSections, kClosingLines};

}  // namespace orvelle::calc
