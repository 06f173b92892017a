#pragma once
// One column of a z-segment: a stack of layers with the column's horizontal mesh, its bottom and
// top contact ranges, taper-line settings, a copy of its z-segment's parameters and its labels.
//
// Capacity and storage: a column has a block of layer slots (500 once in use) of which the first
// ones are in use. Only the layers in use are stored; a slot beyond them reads as a fresh default
// layer, and nothing a column does depends on what such a slot held before.

#include <vector>

#include "model/ColumnContacts.h"
#include "model/LayerBlocks.h"
#include "model/LayerRec.h"
#include "model/SharedLayers.h"
#include "model/Point3f.h"
#include "model/ZSegmentParams.h"

// The six size members a layer has, as the column keeps them.
struct CSizeBlock {
    float m_fHeight = 0.0f;
    float m_fWidth = 0.0f;
    float m_fUpperWidth = 0.0f;
    float m_fLowerWidth = 0.0f;   // the ".layer" reader stores the column's "w" here
    float m_fSpare[2] = {0.0f, 0.0f};
};

// Where a contact bar gets its thickness: the 3-D view keeps one for its bars.
class IContactBarThickness {
public:
    virtual ~IContactBarThickness() = default;
    virtual float GetContactBarThickness() const = 0;
};

class CColumnRec {
public:
    static constexpr int kMaxLayers = 500;
    // Told when a layer is to go into a column whose kMaxLayers slots are all in use.
    static const char kFullColumnMessage[];

    // A column as a new one starts: every member at its default, its block of kMaxLayers layer
    // slots, no layer in use.
    static CColumnRec MakeNew();

    CMeshSettings m_Mesh;          // horizontal mesh
    CSizeBlock m_Size;
    CColumnContacts m_Contacts;
    int m_nColumnIndex = -1;       // position set by the reader; other paths carry it along
    int m_nSelectedLayer = -1;     // row of the selected layer, -1 none
    int m_nSpare = 0;              // carried by copies
    float m_fTaperPoint[2] = {0.0f, 0.0f};
    int m_nTaperLine = 0;          // 1: the column's right edge is a taper vertex
    CZSegmentParams m_Params;      // copy of the z-segment's parameters, refreshed by its layout
    double m_dSpare = 0.0;         // carried by copies
    std::vector<CLabelRec> m_Labels;  // "column_position" labels

    CColumnRec() = default;
    CColumnRec(const CColumnRec&) = default;
    CColumnRec& operator=(const CColumnRec&) = default;
    CColumnRec(CColumnRec&&) = default;
    CColumnRec& operator=(CColumnRec&&) = default;
    virtual ~CColumnRec() = default;

    // Taper-line flag 0, no contact ranges, no layers (0 slots, 0 in use), column index -1, no
    // selected layer, no labels. Mesh, size, taper point and parameters are kept.
    void Reset();

    // --- Layer block ---
    int GetLayerSlots() const { return m_nLayerSlots; }
    // Makes the block n slots long (at most kMaxLayers); rows in use beyond n are dropped.
    // False (nothing changed) for n outside 0..kMaxLayers.
    bool SetLayerCount(int n);
    int GetLayersInUse() const { return static_cast<int>(m_Layers.size()); }
    // Sets the rows in use: new rows are default layers, rows beyond n are dropped. A column that
    // gets more rows than slots gets its full block of kMaxLayers slots. False (nothing changed)
    // for n outside 0..kMaxLayers.
    bool SetLayersInUse(int n);
    // A layer in use; throws std::out_of_range for any other row.
    CLayerRec& Layer(int row);
    // Any row: a layer in use, or a fresh default layer for a row that is not in use.
    const CLayerRec& GetLayer(int row) const;
    const CSharedLayers& GetLayers() const { return m_Layers; }
    bool HasRow(int row) const { return row >= 0 && row < GetLayersInUse(); }
    // Every one of the kMaxLayers rows is in use: no layer can be added.
    bool IsFull() const { return GetLayersInUse() >= kMaxLayers; }
    // Inserts a layer at row 0..in use (the rows from there move up one); false when the column is
    // full (kMaxLayers in use) or the row is out of range.
    bool InsertLayer(int row, const CLayerRec& layer);
    bool AppendLayer(const CLayerRec& layer) { return InsertLayer(GetLayersInUse(), layer); }
    // Removes a row in use (the rows above move down one); false for a row not in use.
    bool RemoveLayer(int row);

    // --- Layout ---
    // Places every layer in use from the layer below and the left neighbour's row, then orders the
    // contact ranges.
    void LayoutLayers(const CColumnRec* previous, bool clamp, float minHeight);
    // Swaps reversed ranges and clamps them to the edge they sit on.
    void OrderContactRanges();
    // True when giving the column these parameters and then LayoutLayers would change a bit of it:
    // the z-segment's layout writes only the columns that need it, so that columns an undo
    // snapshot shares stay shared.
    bool LayoutChanges(const CZSegmentParams& params, const CColumnRec* previous, bool clamp, float minHeight) const;

    // --- Contact bars ---
    // Number of ranges, or 0 when every row in use is exactly "void".
    int GetTopContactCount() const;
    int GetBottomContactCount() const;
    // Corners of the bar of range r on the top edge of the topmost non-void layer (on the bottom
    // edge of the lowest one); outputs untouched when there is no such layer. Always true.
    bool GetTopContactBar(int r, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const;
    bool GetBottomContactBar(int r, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const;

    // --- Taper ---
    // Advances the running bottom/top x by this column's widths and flags the column when the pair
    // matches one of the vertices within 0.0001.
    void MatchTaperVertex(float& bottomX, float& topX, int count, const float* bottomXs, const float* topXs);

    // Row of the topmost (lowest) layer in use whose bulk macro is not exactly "void"; -1 none.
    int FindTopNonVoidRow() const;
    int FindBottomNonVoidRow() const;

private:
    // True when LayoutLayers, giving the layer this lower width, height and place, would change a
    // bit of it.
    bool LayerMoves(const CLayerRec& layer, float lowerWidth, float height, CPoint3f origin, float shift, bool clamp,
                    float minHeight) const;

    CSharedLayers m_Layers;   // exactly the rows in use
    int m_nLayerSlots = 0;
};
