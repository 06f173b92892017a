#pragma once
// The stencil trick of the 3-D drawing: a solid is drawn while marking the stencil, then its edges
// are drawn smooth and blended only where the solid did not mark, so they never darken its faces.

// Clears the stencil and makes the following drawing mark it with 1.
void MarkStencil();

// Lighting off, drawing only outside the marked area, 1.5-pixel smooth blended lines.
void BeginMaskedSmoothEdges();
