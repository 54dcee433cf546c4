// Section 2 "数の表し方": multiples, even and odd numbers, sums of consecutive integers.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The section: its frame, then its sub-menu until "⑤終了".
void ShowNumbersMenu(Machine& m);

}  // namespace orvelle::apply
