#include "lessons/apply/relations_script.h"

#include "lessons/common/steps.h"

namespace orvelle::apply {

void ScriptStep(Machine& m, const ScriptLine& line) {
  switch (line.place) {
    case Place::kMargin:
      TextStep(m, m.marginX, m.lineY + line.gap, line.color, line.text);
      break;
    case Place::kIndent:
      TextStep(m, m.indentX, m.lineY + line.gap, line.color, line.text);
      break;
    case Place::kAfter:
      TextStep(m, m.afterX + line.gap, m.lineY, line.color, line.text);
      break;
    case Place::kKey:
      Key(m);
      break;
  }
}

void RunScript(Machine& m, std::span<const ScriptLine> lines) {
  for (const ScriptLine& line : lines) ScriptStep(m, line);
}

}  // namespace orvelle::apply
