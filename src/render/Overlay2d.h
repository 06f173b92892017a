#pragma once
// What the 2-D view draws over its frame in window pixels (origin at the top-left corner): the
// rectangle of a dragged layer and the hover box. Both run after the scene, on the current
// context, and leave the matrices and the state as they found them.

#include "render/View2dState.h"

// A black frame 2 pixels wide inside the rectangle (left and top included, right and bottom not).
void DrawDragRectangle2d(const CView2dState& view, const CClientRect& rect);

// An RGB image (rows from the top, 3 bytes a pixel, no padding) with its top-left corner at
// (x, y); what falls outside the window is cut off.
void DrawClientImage2d(const CView2dState& view, int x, int y, int width, int height, const unsigned char* rgb);
