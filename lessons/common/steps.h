// The shapes every lesson page is made of. A page reads as one line per step:
//   ClearPage(m, 1760, 1300);
//   TextStep(m, 40, 30, 7, "正方形を20個つなげてつくるとき、");
//   TextStep(m, m.indentX, m.lineY + 50, 7, "棒は何本必要？");
//   Key(m);
//   TextStep(m, m.afterX + 40, m.lineY, 5, "4+3*4=16");
#pragma once

#include <string>

#include "core/shared.h"

namespace orvelle {

// Draws a mark-up text in a colour at (x, y); afterX and lineY then follow the text, so the next
// text can go on along the line (afterX) or start a new one (lineY + step).
void TextStep(Machine& m, float x, float y, float color, const std::string& text);

// The same with the layout cursor kept: labels and numbers inside figures, right-hand texts.
void TextKept(Machine& m, float x, float y, float color, const std::string& text);

// A pause: the key-wait bar until any key.
void Key(Machine& m);

// A new page: a filled box from (0, 0), width × height, in the background colour.
void ClearPage(Machine& m, float width, float height);

}  // namespace orvelle
