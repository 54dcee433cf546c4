// The coordinate plane: axes on a grid, tick numbers, plotted points. A graph point (X, Y) stands
// at (gridBaseX + cellSize X / axisXStep, gridBaseY - cellSize Y / axisYStep).
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Makes the steps positive (0 becomes 1) and divides the ranges by them, so that they count grid
// lines; puts the grid's corner at (640, 180) when gridOriginX and gridOriginY are both 0; sets
// gridBaseX, gridBaseY (the origin) and the edges, figureSize (26 below cells of 40, else 30).
// Unless lineColor is 0: thin grid lines every cell, thick ones every fifth with their numbers
// (none at 0, none when hideAxisNumbers = -1). Then the two axes and the letters "x", "0", "y".
// Gives back the line width; leaves the font "ゴシック" 16, bold and italic off, hideAxisNumbers 0.
void DrawAxes(Machine& m);

// The value of every fifth grid line but 0 (its index times the step) with one decimal, at the
// places of DrawAxes' numbers; the point is drawn between the whole part and the tenths.
void DrawDecimalAxisLabels(Machine& m);

// A disc of pointRadius in fillColor at the graph point (pointValueX, pointValueY), with
// figureLabel 20 to the left and 40 above it, moved by plotLabelDX/DY. plotScreenX, plotScreenY =
// the point on the screen. Sets the label offsets back to 0 and both steps to 1.
void PlotPoint(Machine& m);

// A plot's label: figureLabel in fillColor at (x, y) moved by plotLabelDX/DY.
void DrawPlotLabel(Machine& m, float x, float y);

// The one-shot inputs of a plot (a point or a graph) back to their defaults once it is drawn: the
// label offsets to 0, both steps to 1.
void ResetPlotInputs(Machine& m);

}  // namespace orvelle
