// A closed polygon through the vertex table, with labels outside its vertices.
// Part of the shared library every program carries, for lessons to use: no lesson calls it yet.
#pragma once

#include "core/shared.h"

namespace orvelle {

// Draws the sides of the polygon of vertices 1..polygonVertexCount (3..10) of polygonVertices,
// in lineColor at line width figureSize, the last side back to vertex 1; then, by figureLabel,
// no labels (""), the texts letterText(1..n) ("1"), or successive letters from its first
// character, each placed by DrawAngleLabel markRadius out from its vertex. Clears figureLabel and
// gives the line width back as found. Any other vertex count draws nothing.
void DrawPolygonFigure(Machine& m);

// Labels vertex i with the character figureLabel's first character + i - 1, labelDistance out,
// outside the angle towards the next two vertices.
void LabelPolygonVertices(Machine& m);

// The same with the texts letterText(i).
void LabelPolygonSides(Machine& m);

}  // namespace orvelle
