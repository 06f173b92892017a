#pragma once
// One step of a zoom drag, shared by the 2-D and the 3-D view: moving the mouse up by one pixel
// enlarges by 1 %, moving it down shrinks by 1 %. A long move down in one mouse message would
// make the factor 0 or negative and flatten or mirror the picture, so the factor is held at a
// least value and a scale never falls below its floor.

// The least factor one zoom step may apply, and the least scale it leaves.
constexpr float kLeastZoomFactor = 0.1f;
constexpr float kLeastModelScale = 1e-4f;

// The factor of a drag from window row fromY to row toY.
float DragZoomFactor(int fromY, int toY);
// scale × factor, never below kLeastModelScale.
float ZoomedScale(float scale, float factor);
