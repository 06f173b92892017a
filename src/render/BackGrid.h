#pragma once
// The grey back grid of the 2-D view: lines 0.8 model units apart, every fifth one black, behind
// everything at z -500, zooming with the model.

#include "render/View2dState.h"

#include <vector>

struct CGridLine {
    float x1, y1, x2, y2;
    bool major; // black; the others are grey 192
};

constexpr float kGridSpacing = 0.8f;
constexpr float kGridDepth = -500.0f;

// The lines across the visible client area; empty when more than 200 would be needed either way.
std::vector<CGridLine> BackGridLines(const CView2dState& view);

// Draws the lines with the current modelview matrix.
void DrawBackGrid(const std::vector<CGridLine>& lines);
