// Section 1 "棒の本数を求めよう": counting the sticks of a row of cubes.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The section: its aims once, then its sub-menu until "⑦終了".
void ShowSticksMenu(Machine& m);

}  // namespace orvelle::apply
