#pragma once
// The mesh plot's triangles as the 2-D and the 3-D view draw them: every triangle of a z-segment
// that belongs to one of its non-empty layers, stretched from the box its layer had when the mesh
// was plotted into the layer's present outline, as a white line loop of width 2. Immediate-mode
// OpenGL 1.1 on the caller's context and modelview matrix; the model is only read.

#include "model/ZSegment.h"

// Draws the triangles of `segment` tagged with z-segment index `segmentIndex` (from 0) at height
// z. Texturing and lighting are left disabled; line width and matrix are restored.
void DrawMeshOutlines(const CZSegment& segment, int segmentIndex, float z);
