#pragma once
// The 2-D view's frame: white background, back grid, the current z-segment's layers, its mesh
// triangles, its side contacts and its top and bottom contact bars, in an orthographic projection
// 16 units high.

#include "render/LayerDrawing.h"
#include "render/View2dState.h"

#include <GL/gl.h>

#include <cstdint>

class CLayerBatchCache;
class CZSegment;

// RGB bytes of one texture image, rows as stored (bottom row first).
struct CTextureData {
    int width = 0;
    int height = 0;
    const unsigned char* rgb = nullptr; // null: no image for this name
};

// The context state the 2-D drawing relies on: depth test (less or equal), clear depth 1,
// perspective hint. Run once after the context is created.
void SetupGL2d();

// Creates kTextureNameCount texture names in the current context and uploads every image given
// (linear filters, repeat); names without an image keep no image. Run once per context.
void UploadTextures(const CTextureData images[kTextureNameCount], GLuint names[kTextureNameCount]);

struct CScene2d {
    const CZSegment* segment = nullptr; // the current z-segment; null when there is none
    int currentZSeg = 0;                // its number, counted from 1 (0: none)
    bool backGrid = true;
    // The view's batches of layers, reused while the document's drawing revision stays; null: the
    // layers are batched for this frame alone.
    CLayerBatchCache* layerBatches = nullptr;
    std::uint64_t revision = 0;
};

// Draws one frame into the current context with the view's projection; reads the z-segment, changes
// nothing of it. The document's update has laid it out (corners, edge flags, selection, side
// contacts within their rows); the caller swaps the buffers after.
void RenderScene2d(const CView2dState& view, const CScene2d& scene);
// The start of every frame: the view's projection loaded and the frame cleared to white.
void StartFrame2d(const CView2dState& view);

// The layers of a z-segment as the 2-D view draws them: every layer in use of every column whose
// bulk macro name is not exactly "void", batched.
void DrawLayers2d(const CZSegment& segment, int currentZSeg);
// The batch DrawLayers2d draws, filled afresh.
void FillLayerBatch2d(const CZSegment& segment, int currentZSeg, CFlatLayerBatch& batch);

// The mesh triangles of the z-segment (DrawMeshOutlines) at z 1000, in front of the layers.
void DrawMesh2d(const CZSegment& segment, int segmentIndex);
