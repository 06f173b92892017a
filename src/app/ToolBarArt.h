#pragma once
// The tool-bar pictures: 16 x 15 pixels each, drawn by the program itself from simple shapes.

#include <wx/bitmap.h>

constexpr int kToolBitmapWidth = 16;
constexpr int kToolBitmapHeight = 15;

// The picture of a tool-bar command (a plain frame for an id without a picture of its own).
wxBitmap ToolBarBitmap(int commandId);
