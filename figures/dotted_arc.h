// Dotted half-ellipse arcs over a chord, with a label at the arc's middle, and single points of
// such an arc.
#pragma once

#include "core/shared.h"

namespace orvelle {

// A dotted arc over the chord from P (vertexX, vertexY) to Q (pointAX, pointAY): half an ellipse
// with the chord as one axis and a bulge of rowPitch (0 < rowPitch < 16 is taken 16 times, a
// negative one by its size; the bulge is written back), on the right of P->Q when arcSide > 0,
// else on the left; only arcExtent degrees of it when arcExtent > 0. One dot of radius 0.5 in
// lineColor every boxWidth degrees of the parameter; then figureLabel just outside the arc's
// middle M. Leaves vertex = M, point A = P, point B = Q, loopIndex = the parameter one step past
// the last dot; clears arcExtent, figureLabel, markRadius, swapRays and the label offsets.
// Equal P and Q draw nothing. A step that makes no progress draws the first dot only.
void DrawDottedArcLabel(Machine& m);

// pointCX, pointCY = the point for the parameter arcAngleDeg of the arc over the chord from
// (vertexX, vertexY) to (pointAX, pointAY) with the bulge rowPitch taken as it stands (positive:
// the left of P->Q for 0 < t < 180). Leaves pointBX, pointBY = (P.x + R, P.y), pointAX, pointAY =
// the point before it is turned onto the chord, pointRadius = its distance from P. Equal ends
// leave pointCX, pointCY as they were.
void ArcPointAtAngle(Machine& m);

}  // namespace orvelle
