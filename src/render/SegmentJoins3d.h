#pragma once
// What the 3-D view draws between consecutive z-segments i and i + 1: the white taper faces that
// join the marked column edges, the grey junction faces that close a gap along z, and the
// translucent links between a contact of z-segment i and the same contact continued in i + 1.
// Corners of z-segment i are turned by its angle, those of i + 1 by theirs (RotatedVertex); the
// drawing runs with the frame's matrix, not a z-segment's.

#include "model/Point3f.h"
#include "render/Scene3d.h"

#include <vector>

class CZSegment;

// The top edge of column j: the upper-left and upper-right corners of the highest layer of the
// unbroken run of non-empty layers from row 0, at the front z (front) or the back z. False out of
// range or when row 0 is empty.
bool GetColumnTopEdge(const CZSegment& segment, int column, bool front, CPoint3f& a, CPoint3f& b);
// The bottom edge: row 0's lower-left and lower-right corners.
bool GetColumnBottomEdge(const CZSegment& segment, int column, bool front, CPoint3f& a, CPoint3f& b);

// True when column j has a taper edge in z-segment i and in i + 1 (with at least two z-segments
// in use and i below the last).
bool IsColumnJoined(const std::vector<CZSegment>& segments, int segmentsInUse, int i, int column);

void DrawTaperFaces3d(const std::vector<CZSegment>& segments, int segmentsInUse);
// Junction faces along the top and bottom edges of every column, then DrawJunctionSideFaces3d.
void DrawSegmentJunctions3d(const std::vector<CZSegment>& segments, int segmentsInUse);
void DrawJunctionSideFaces3d(const std::vector<CZSegment>& segments, int segmentsInUse);

// Links of the bottom and top contact ranges (bars `thickness` thick) and of the side contacts
// (their bars' corners as DrawLayerSideFaces3d returned them, one entry per z-segment in use)
// when z-segment i's "link_taper_contact" is not "no" and the contact continues in i + 1.
void DrawContactLinks3d(const std::vector<CZSegment>& segments, int segmentsInUse, float thickness,
                        const std::vector<CSideBarCorners>& sideBars);
