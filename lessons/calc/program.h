// Orvelle Calc as its menus show it: the title, the main menu, and each section's sub-menu.
#pragma once

#include "lessons/common/program.h"

namespace orvelle::calc {

inline constexpr SectionDescription kSection1{"1　項,係数,同類項計算",
                                              "①P73Q　②項,係数　③問1　④例2　⑤例3　⑥終了", 5};
inline constexpr SectionDescription kSection2{
    "2　1次式の加減", "①例４　②問4　③例５　④問6　⑤縦計算+　⑥縦計算-　⑦終了", 6};
inline constexpr SectionDescription kSection3{
    "3　1次式と数の乗除", "①例６　②例７　③分配課題　④例８　⑤例9　⑥例÷　⑦例１１　⑧例12　⑨終了", 8};
inline constexpr SectionDescription kSection4{"4　P80(基本の問題)", "①　②　③　④終了", 3};

inline constexpr SectionDescription kSections[] = {kSection1, kSection2, kSection3, kSection4};
// Item 5 is blank: nothing stands behind it, and the menu comes back.
inline constexpr const char* kClosingLines[] = {"5　", "6　終了"};

inline constexpr ProgramDescription kProgram{"Orvelle Calc", kSections, kClosingLines};

}  // namespace orvelle::calc
