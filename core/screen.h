// Screen clearing, the number texts of the shared tables, and the letter keys.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Erases the lesson area (0, 54)-(1440, 900).
void ClearLessonArea(Machine& m);
// Erases a strip right of the number field; drawX, drawY = its top-left corner.
void ClearRightOfEntry(Machine& m);
// coefText(1..80) = the texts of coef(1..80), signText(1..40) those of auxNum(1..40), without
// blanks ("3", "-2", "0"). Every one of these entries is rewritten.
void NumbersToStrings(Machine& m);
// letterKeyHit = 1 and letterKeyIndex = 1..10 when keyText is one of "QWERT@I[]S"; else
// letterKeyHit = 0 and letterKeyIndex as it was.
void MapLetterKey(Machine& m);

}  // namespace orvelle
