// Graphs of simple functions on the coordinate plane (figures/axes.h), and the sign change at the
// head of an expression text.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Draws the graph of graphType: 1 y = a/x, 2 y = ax^2, 3 y = ax + b, 4 ax + by = c (turned into
// form 3, or the vertical line x = c/a when b is 0); any other form is the line of form 3 with
// x = 0 stepped over. Curves are 5001 dots of radius 1 in fillColor across the x range, the
// vertical line width 5; then figureLabel in fillColor at the graph's end, moved by plotLabelDX/DY.
// Sets the label offsets back to 0 and the steps to 1, and gives back the line width. The
// equation 0x + 0y = c has no graph: nothing is drawn for it.
void PlotGraph(Machine& m);

// The dots of forms 1 to 3 (PlotGraph); drawX, drawY = the last dot drawn.
void PlotCurveDots(Machine& m);

// The line x = graphC of form 4 (PlotGraph); drawX, drawY = the place of its label.
void DrawVerticalGraphLine(Machine& m);

// strArg with the sign at its head changed: "-" to "+", "+" to "-", none to "-"; strLength = its
// number of characters.
void NegateSignText(Machine& m);

}  // namespace orvelle
