#pragma once
// Side contacts: black bars standing out of a layer's left or right face, shared by the 2-D and
// the 3-D view. Immediate-mode OpenGL 1.1 on the context the caller has made current; no model
// data is changed.

#include "model/LayerRec.h"

class CZSegment;

// A bar on the layer's left face (Low) or right face (High), from `from` to `to` measured along
// the face from the lower edge in the layer's own thickness (spread over the drawn edge, which a
// thin layer may have stretched), `thickness` out of the face, over the layer's z range times
// zScale. With threeD the thickness is at least 0.01 (the 3-D view's value may be 0 or NaN).
// In cylinder coordinates the bar is swept over the z range read as angles.
void DrawSideFaceLow(const CLayerRec& layer, float thickness, bool cylinder, float from, float to, float zScale,
                     bool threeD);
void DrawSideFaceHigh(const CLayerRec& layer, float thickness, bool cylinder, float from, float to, float zScale,
                      bool threeD);

// The eight corners of the same bar for the 3-D view's contact links (the four at the back z,
// then the four at the front z, each as outer lower, lower, upper, outer upper), with `from` and
// `to` measured along the drawn edge rather than in the layer's thickness. False, with nothing
// written, when the edge has no length.
bool SideFaceCornersLow(const CLayerRec& layer, float thickness, float from, float to, float zScale, bool threeD,
                        CPoint3f corners[8]);
bool SideFaceCornersHigh(const CLayerRec& layer, float thickness, float from, float to, float zScale, bool threeD,
                         CPoint3f corners[8]);

// The columns whose layer at `row` carries the row's side contacts: the lowest (left contacts) and
// the highest (right contacts) column where that layer exists and is not empty. False when there
// is none.
bool SideContactCarriers(const CZSegment& segment, int row, int& low, int& high);

// The 2-D view's side contacts of a z-segment: for each contact of each row's group, a left
// contact on the left face of the row's layer in the lowest column where that layer is not empty,
// a right contact on the right face of the one in the highest such column. A row without a
// non-empty layer draws nothing.
void DrawSideContacts2d(const CZSegment& segment, float thickness);
