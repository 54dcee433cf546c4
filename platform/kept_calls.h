// What the window keeps of its picture so that it can draw it afresh, at its own resolution,
// for a window of another size: the drawing calls since the screen was last covered whole, less
// every call a later box has painted over, a call drawn again over itself kept once with the
// number of times.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/canvas.h"
#include "platform/ink.h"
#include "platform/recording_device.h"

namespace orvelle {

class KeptCalls {
 public:
  // Takes a drawing call as the canvas drew it (line width and font in force filled in).
  void Add(DrawCall call);
  // Draws what is kept onto a fresh canvas. False, drawing nothing, when the calls were given up
  // (past the cap) since the screen was last covered whole.
  bool DrawOn(Canvas& canvas) const;
  size_t size() const { return kept_.size(); }
  const DrawCall& call(size_t i) const { return kept_[i].call; }
  bool complete() const { return complete_; }

 private:
  struct Kept {
    DrawCall call;
    UnitRect ink;
    int times = 1;
  };
  std::vector<Kept> kept_;
  bool complete_ = true;
};

}  // namespace orvelle
