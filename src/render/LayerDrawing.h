#pragma once
// Drawing of one layer and of a column's top and bottom contact bars, shared by the 2-D and the
// 3-D view. Immediate-mode OpenGL 1.1 on the context the caller has made current, with the
// modelview matrix the caller has set up; no model data is changed.

#include "model/ColumnRec.h"
#include "model/LayerRec.h"

#include <GL/gl.h>

// Number of texture (pattern) names a view creates in its context.
constexpr int kTextureNameCount = 23;

struct CRgb {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const CRgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const CRgb& o) const { return !(*this == o); }
};

// The fill colour of a layer: its colour index, then light blue when empty, dark grey when
// selected, white when highlighted, red when it is the drop target, each overriding the earlier.
CRgb LayerFillColour(const CLayerRec& layer);

// Every channel multiplied by f and truncated toward zero: the shaded sides and the outlines.
CRgb ShadeColour(CRgb c, double f);

// Empty layers sit 0.2 behind the others so that filled neighbours win the depth test.
float LayerDepthOffset(const CLayerRec& layer);

// The front outline is drawn for the last z-segment's layers (edge bit 1) and for every layer of
// the current z-segment (counted from 1), whatever lies in front of it.
bool LayerShowsFrontOutline(const CLayerRec& layer, int currentZSeg);

struct CLayerDrawOptions {
    bool flat = true;          // the 2-D drawing: front face and its black outline only
    float textureScale = 1.0f; // scales the texture coordinates
    float zScale = 1.0f;       // multiplies every z
    bool noSides = true;       // leaves out the back face, the side faces and their outlines
    int currentZSeg = 0;       // current z-segment number, counted from 1
    const GLuint* textureNames = nullptr; // kTextureNameCount names of this context, or null
};

// One layer: a coloured quadrilateral with a black outline (flat), or a prism with shaded sides
// and smooth outlines masked by the stencil buffer (3-D).
void DrawLayerGL(const CLayerRec& layer, const CLayerDrawOptions& options);

// The same flat drawing as DrawLayerGL for many layers, batched: every front face in one
// GL_QUADS batch, then every outline in one GL_LINES batch. Layers of one z-segment do not
// overlap, so the outlines drawn last give the same picture as face-outline-face-outline.
class CFlatLayerBatch {
public:
    void Add(const CLayerRec& layer, int currentZSeg);
    void Draw() const;
    void Clear();
    bool Empty() const { return m_quads.empty(); }

private:
    std::vector<float> m_quads;            // x, y, z per vertex, four vertices per quad
    std::vector<unsigned char> m_quadRgb;  // r, g, b per vertex
    std::vector<float> m_lines;            // x, y, z per vertex
};

// Black bars on the top edge of the column's highest non-empty layer (on the bottom edge of its
// lowest non-empty layer), one per contact range, `thickness` tall in model units. With threeD the
// thickness is at least 0.01 (a view passing 0 or NaN still gets visible bars). In cylinder
// coordinates each bar is swept over the carrier's z range read as angles (DrawPolarBox).
void DrawTopContacts(const CColumnRec& column, float thickness, float zScale, bool threeD, bool cylinder = false);
void DrawBottomContacts(const CColumnRec& column, float thickness, float zScale, bool threeD,
                        bool cylinder = false);
