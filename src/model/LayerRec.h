#pragma once
// One layer of a column: one cell of a z-segment's grid of columns and rows. Carries everything a
// ".layer" file says about the layer and the drawing state the views compute for it.

#include <cstdint>
#include <string>
#include <vector>

#include "model/CopyOnWrite.h"
#include "model/LayerBlocks.h"
#include "model/Point3f.h"
#include "statements/KeywordLine.h"

// Exposed-edge bits of CLayerRec::m_wEdgeFlags, set by the document's update after loads and edits.
enum : std::uint16_t {
    EDGE_LAST_ZSEG = 0x01,
    EDGE_FIRST_ZSEG = 0x02,
    EDGE_LEFT_FACE = 0x04,
    EDGE_RIGHT_FACE = 0x08,
    EDGE_TOP_LAYER = 0x10,
    EDGE_BOTTOM_LAYER = 0x20,
};

// The members are laid out for the passes over every layer of a large device, which is far larger
// than the cache: the indices, edge flags and colour pair that the drawing update and the colour
// passes read come first, the members a dropped layer must visit (strings, shared values, labels)
// next to them, and the plain numbers last.
class CLayerRec {
public:
    int m_nColumn = 0;           // column within its z-segment, from 0
    int m_nRow = 0;              // row (layer slot) within the column, from 0
    int m_nZSeg = 0;             // z-segment, from 0
    std::uint16_t m_wEdgeFlags = 0;  // EDGE_* bits
    int m_nColour = 0;           // display colour 0..22
    int m_nPattern = 2;          // texture index
    int m_nMaterialTag = 0;      // material number of the automatic mesh counts
    CLayerMaterial m_Material;
    CLayerDoping m_Doping;
    CCopyOnWrite<CVcselSection> m_Vcsel;
    std::string m_strSheetText;  // stored by the property sheet when accepted
    CCopyOnWrite<CKeywordLine> m_VcselStatement;  // the layer's "vcsel_section" statement as read
    std::string m_strComment;    // written as comment lines ahead of the row (first column's layer)
    CCopyOnWrite<CGratingComposRec> m_Grating;
    std::string m_strMaterialComment;  // "$" line read before the layer's "layer_mater" statement
    std::vector<CLabelRec> m_Labels;   // "layer_position" labels
    CMeshSettings m_Mesh;        // vertical mesh
    float m_fHeight = 0.0f;      // thickness "d"
    float m_fWidth = 0.0f;       // width of a rectangular layer
    float m_fUpperWidth = 0.0f;  // top edge
    float m_fLowerWidth = 0.0f;  // bottom edge; differing widths make a trapezoid
    float m_fSpare[2] = {0.0f, 0.0f};  // carried by copies and splits
    int m_nSpare[8] = {100, 100, 200, 200, 0, 0, 0, 0};  // carried by copies and splits
    CPoint3f m_A;                // top-left corner of the outline
    CPoint3f m_B;                // bottom-right
    CPoint3f m_C;                // bottom-left
    CPoint3f m_D;                // top-right
    int m_nVcselFlag = 0;        // non-zero: the layer belongs to a VCSEL section
    float m_fZFrom = 0.0f;       // z range in the 3-D drawing
    float m_fZTo = 0.0f;
    int m_nSpare2 = 0;           // carried by copies
    int m_nSelected = 0;         // drawn dark grey
    int m_nRed = 0;              // drawn red: drop target of a layer drag
    int m_nWhite = 0;            // drawn white
    int m_nSolveWave = 1;        // "solve_wave": 1 yes, 0 no
    int m_nEmbedded = 0;         // "embedded_structure"

    CLayerRec() = default;
    CLayerRec(const CLayerRec&) = default;
    CLayerRec& operator=(const CLayerRec&) = default;
    CLayerRec(CLayerRec&&) = default;
    CLayerRec& operator=(CLayerRec&&) = default;
    ~CLayerRec() = default;

    // True when the bulk macro name is a void name: at most one character or beginning with "void".
    bool IsEmpty() const;

    // Places the outline: C at the origin, B along the lower width, A raised by the height (or the
    // minimum height when clamping a thinner layer) and shifted right by shift, D along the upper
    // width. The height member itself is kept. Clears the selection mark.
    void SetExtent(CPoint3f origin, float shift, bool clampHeight, float minHeight);
    // The outline SetExtent gives a layer with these widths and height: c whole, the x and y of a,
    // b and d (their z is left as it is).
    static void PlaceOutline(CPoint3f origin, float shift, bool clampHeight, float minHeight, float lowerWidth,
                             float upperWidth, float height, CPoint3f& a, CPoint3f& b, CPoint3f& c, CPoint3f& d);
    // (top, left, right, bottom) = (A.y, A.x, B.x, B.y); returns rect.
    float* GetRect(float rect[4]) const;
    // Widens the box by the four corners; false (box untouched) for an empty layer or one that is
    // not used to solve the wave equation.
    bool ExtendBounds(float& minX, float& maxX, float& minY, float& maxY) const;

    // Cut at a thickness: first keeps height - cut, second gets cut. Always true.
    bool SplitHorizontal(double cut, CLayerRec& first, CLayerRec& second) const;
    // Cut at a width: first gets cut as all three widths, second the rest. Always true; the caller
    // checks that the cut lies inside the layer.
    bool SplitVertical(double cut, CLayerRec& first, CLayerRec& second) const;
    // Takes the VCSEL block, material, doping, colour, pattern, material tag and VCSEL flag of source.
    void PasteMaterial(CLayerRec source);
};

// Colour table of the layers: false and outputs untouched for an index outside 0..22.
bool MaterialIndexColour(int index, unsigned char& red, unsigned char& green, unsigned char& blue);

// A (top, left, right, bottom) rectangle without extent.
bool IsDegenerateRect(const float rect[4]);
