// Ray directions, angle labels and angle marks. Directions are in radians from the positive x
// axis, counterclockwise as seen on the screen, from 0 up to but excluding 2 pi, with pi taken as
// piValue = 3.14159.
#pragma once

#include "core/shared.h"

namespace orvelle {

// rayAngleRad = the direction from (vertexX, vertexY) to (pointAX, pointAY), rayAngleDeg the same
// in degrees; piValue = 3.14159. A point on the vertex gives pi.
void RayAngle(Machine& m);

// The angle at the vertex swept counterclockwise from the ray to point A to the ray to point B
// (exchanged when swapRays = -1): rayAngleA, rayAngleB, the circle primitive's turns rayTurnA,
// rayTurnB (1 - direction / 2 pi), and bisectorAngle. rayAngleRad is left at B's direction.
void ComputeRayAngles(Machine& m);

// Draws figureLabel just outside the angle at the vertex: on its bisector, pushed away from the
// anchor (the vertex, or markRadius out along the bisector), moved by labelOffsetX/Y. Draws with
// the label drawer when labelMode = 1, else with the mark-up. Clears figureLabel, swapRays,
// markRadius and the label offsets; textWidth = the label's width, lettersPos = the place of a
// fraction mark in it, drawX = the x after it.
void DrawAngleLabel(Machine& m);

// The mark of the angle: markCount (1..6; above 6 becomes 1) arcs in fillColor inside the radius
// markRadius, or, with markCount <= 0, one sector of radius markRadius (outline lineColor, fill
// fillColor); then the label on the mark's outer edge (DrawAngleLabel).
void DrawAngleMark(Machine& m);

}  // namespace orvelle
