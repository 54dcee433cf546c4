// Section 3 "関係の表し方": the balance, equalities and inequalities.
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// The section: its frame, then its sub-menu until "⑨終了".
void ShowRelationsMenu(Machine& m);

}  // namespace orvelle::apply
