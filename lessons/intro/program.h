// Orvelle as its menus show it: the title, the main menu, and each section's sub-menu.
#pragma once

#include "lessons/common/program.h"

namespace orvelle::intro {

inline constexpr SectionDescription kLetterUse{"1　文字の使用",
                                               "①P62Q　②P64Q　③例1　④問1,2,3　⑤終了", 4};
inline constexpr SectionDescription kWritingRules{
    "2　式の表し方",
    "①きまり１積　②例　③きまり２　④問2　⑤きまり3　⑥きまり4商　⑦問6,まとめ　⑧記号を使って"
    "　⑨終了",
    8};
inline constexpr SectionDescription kQuantities{
    "3　数量の表し方、よみ方", "①例5　②割合　③例6　④例7　⑤例8　⑥問12　⑦例10　⑧終了", 7};
inline constexpr SectionDescription kExprValue{"4　式の値", "①P71Q　②問1　③例２　④例３　⑤終了", 4};
inline constexpr SectionDescription kIntroProblems{"5　P72(基本の問題)", "①1,2　②3　③4,5　④終了",
                                                   3};

inline constexpr SectionDescription kSections[] = {kLetterUse, kWritingRules, kQuantities,
                                                   kExprValue, kIntroProblems};
inline constexpr const char* kClosingLines[] = {"6　終了"};

inline constexpr ProgramDescription kProgram{"Orvelle", kSections, kClosingLines};

}  // namespace orvelle::intro
