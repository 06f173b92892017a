#pragma once
// Coloured vertices kept in client memory and drawn in one call each (OpenGL 1.1 vertex arrays):
// a batch of thousands of layers costs one draw call, not a call per vertex.

#include "model/LayerRec.h"
#include "render/LayerDrawing.h"

#include <GL/gl.h>

#include <vector>

// Appends the vertex (p.x, p.y, z) in colour c.
void AppendVertex(std::vector<float>& xyz, std::vector<unsigned char>& rgb, const CPoint3f& p, float z, CRgb c);

// Draws the vertices as `mode` primitives, each in its own colour. The caller has enabled the
// vertex and colour arrays; the current colour is undefined afterwards.
void DrawColouredArrays(GLenum mode, const std::vector<float>& xyz, const std::vector<unsigned char>& rgb);
