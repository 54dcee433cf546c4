// Orvelle Apply as its menus show it: the title, the main menu, and each section's sub-menu.
#pragma once

#include "lessons/common/program.h"

namespace orvelle::apply {

inline constexpr SectionDescription kSticks{
    "1　棒の本数を求めよう", "①P81Q　②ろみす　③てむさ　④けぺとむ　⑤比べて　⑥2段　⑦終了", 6};
inline constexpr SectionDescription kNumbers{
    "2　数の表し方", "①倍数　②偶数例7　③奇数　④2つの続いた整数の和　⑤終了", 4};
inline constexpr SectionDescription kRelations{
    "3　関係の表し方", "①P84Q　②例=　③例<>　④例≦≧　⑤練習1　⑥例3　⑦練習２　⑧問２　⑨終了", 8};
inline constexpr SectionDescription kChapterProblemsA{"4　P86(章の問題A)",
                                                      "①1,2,3　②4,5　③6　④7　⑤終了", 4};
inline constexpr SectionDescription kChapterProblemsB{"5　P87(章の問題B)", "①　②　③　④終了", 3};

inline constexpr SectionDescription kSections[] = {kSticks, kNumbers, kRelations, kChapterProblemsA,
                                                   kChapterProblemsB};
// Item 6 is blank: nothing stands behind it, and the menu comes back.
inline constexpr const char* kClosingLines[] = {"6　", "7　終了"};

inline constexpr ProgramDescription kProgram{"Orvelle Apply", kSections, kClosingLines};

}  // namespace orvelle::apply
