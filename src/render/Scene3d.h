#pragma once
// The 3-D view's frame: every z-segment in use stacked along z, each turned about the z axis by
// its own angle, with its layers (as prisms, or in cylinder coordinates), the side contacts on the
// layers' outer faces, white taper faces joining marked column edges of consecutive z-segments,
// grey junction faces closing gaps along z, the mesh, translucent links between continuing
// contacts, the contact bars, a white frame around the current z-segment and an axis triad with
// outline-font labels. The model is only read.

#include "model/Point3f.h"
#include "render/View3dState.h"

#include <GL/gl.h>

#include <array>
#include <vector>

class COutlineFont;
class CZSegment;

// Colours of the scene.
constexpr float kScene3dBackground = 0.55f;   // grey, all three channels
constexpr float kJunctionGrey = 0.7529412f;
constexpr float kJunctionAlpha = 0.75f;
constexpr float kContactLinkAlpha = 0.5f;

struct CDeviceExtents {
    double width = 0.0;  // largest cross-section width
    double height = 0.0; // largest cross-section height
    double length = 0.0; // last "z to" minus first "z from"
};

struct CScene3d {
    const std::vector<CZSegment>* segments = nullptr; // the document's z-segments
    int segmentsInUse = 0;      // the first ones of them
    int currentZSeg = 0;        // counted from 1, 0 none
    bool cylinder = false;      // cylinder-coordinate mode
    bool drawingLock = false;   // a sheet is editing the device: only background and triad
    CDeviceExtents extents;     // DeviceExtents3d of the laid-out device
    const COutlineFont* font = nullptr; // the triad labels; none are drawn without it
};

// The extents of the laid-out device: all 0 without a z-segment in use; width and height the
// largest of every z-segment's bounding rectangle (a value replacing the kept one only when
// strictly greater).
CDeviceExtents DeviceExtents3d(const std::vector<CZSegment>& segments, int segmentsInUse);

// The largest cross-section extent, the size Zoom Origin fits: the larger of width and height.
float DeviceSize3d(const CDeviceExtents& extents);

// The context state the 3-D drawing relies on: clear colour and depth, depth test (less or equal),
// perspective hint, the two lights and the material (defined, never in force while faces are
// drawn), blending and smooth shading. Run once after the context is created.
void SetupGL3d();

// Draws one frame into the current context with the view's projection; the caller swaps buffers.
void RenderScene3d(const CView3dState& view, const CScene3d& scene);

// The frame's model transform after the view's modelview matrix: the device moved back by its
// length (in cylinder mode by its width, and aside by a fifth of it), turned about x and then y,
// and scaled per axis (in cylinder mode z as x).
void SceneModelMatrix3d(const CView3dState& view, const CScene3d& scene, double m[16]);

// The box of the current z-segment's frame: its outline `margin` wider on every side, from the
// back z to the front z of its first column's row 0 with half the margin beyond each (a share of
// the z range when the z scale exceeds 10). False when there is no current z-segment with a layer.
struct CSelectionBox3d {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0, z0 = 0, z1 = 0;
};
bool SelectionBox3d(const CScene3d& scene, float scaleZ, float margin, CSelectionBox3d& box);

// --- The pieces of the frame (each draws with the matrix as the caller set it) ---

// (x cos a - y sin a, x sin a + y cos a, z) for a in degrees (pi taken as 3.1415926).
CPoint3f RotatedPoint(const CPoint3f& p, double angle);
void RotatedVertex(const CPoint3f& p, double angle);

// The frame of the current z-segment, `margin` outside its outline: a wire box, or in cylinder
// mode a box swept over its z range read as angles.
void DrawSelection3d(const CScene3d& scene, float scaleZ, float margin);
void DrawBoxOutline3d(const CPoint3f corners[4], double a0, double a1);

// The axis triad of length L at the current position: blue +x, red +y, yellow +z with labels
// ("R(angle=0)", "+z", "R(angle=270)" in cylinder mode).
void DrawAxisLabels3d(float length, bool cylinder, const COutlineFont* font);
void DrawArrow3d(float length);

// The eight corners of the side-contact bars drawn on one z-segment, per side (0 left, 1 right) in
// the order of the z-segment's side contacts of that side; empty for a contact without a bar.
using CSideBarCorners = std::array<std::vector<std::vector<CPoint3f>>, 2>;

// The side contacts of a z-segment on the outer faces of their rows' layers, with the matrix the
// caller turned by the z-segment's angle; returns the bars' corners for the contact links.
CSideBarCorners DrawLayerSideFaces3d(const CZSegment& segment, float thickness, bool cylinder);

// The mesh of z-segment `index` (counted from 0) at its "z from" and at its "z to". The one place
// the 3-D scene draws mesh outlines: it borrows the 2-D view's mesh drawing for now.
void DrawSegmentMesh3d(const CZSegment& segment, int index);
