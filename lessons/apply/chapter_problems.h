// The chapter problems A (page 86) and B (page 87).
#pragma once

#include "core/shared.h"

namespace orvelle::apply {

// Chapter problems A: its sub-menu until "⑤終了".
void ShowChapterProblemsAMenu(Machine& m);
// Chapter problems B: its sub-menu until "④終了".
void ShowChapterProblemsBMenu(Machine& m);

}  // namespace orvelle::apply
