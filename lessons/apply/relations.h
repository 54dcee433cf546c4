// Section 3 "関係の表し方": relations between quantities written as equalities and inequalities,
// shown on a pan balance, and read back in words.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The aims, drawn once as the section opens.
void ShowRelationsGoals(Machine& m);

// The items of the sub-menu.
void ShowPostageTable(Machine& m);          // ① P84Q: the postage for 4 and 5 sheets of 4 g
void ShowBalanceEquality(Machine& m);       // ② the balance settles level: 4x+5=25
void ShowBalanceInequality(Machine& m);     // ③ the weights go down: 4y+5<25
void ShowBalanceAtMostAtLeast(Machine& m);  // ④ 以下, 以上 and 未満 on two balances
void DrillRelationSentences(Machine& m);    // ⑤ a sentence about two letters as a relation
void ShowMuseumFeesExample(Machine& m);     // ⑥ what four relations of two fees say
void DrillPriceRelations(Machine& m);       // ⑦ relations of pencil and notebook prices in words
void ShowStringCuttingAnswers(Machine& m);  // ⑧ P85 問2: two pieces cut off a string

}  // namespace orvelle::apply
