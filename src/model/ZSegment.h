#pragma once
// One z-segment ("face") of the device: a 2-D cross-section made of a row of columns, with its
// z range and 3-D parameters, mesh sections, ".layer" path, statement groups, selection, comment
// blocks, mesh totals, mesh triangles, side contacts and sweep index. A device has at most
// kMaxZSegments of them.
//
// Capacity and storage: the z-segment has a block of column slots of which the first ones are in
// use. Only the columns in use are stored; a slot beyond them reads as a fresh default column.

#include <string>
#include <utility>
#include <vector>

#include "model/ColumnRec.h"
#include "model/ContactRec.h"
#include "model/LayerRec.h"
#include "model/MeshElement.h"
#include "model/Point3f.h"
#include "model/SectionRecord.h"
#include "model/SharedColumns.h"
#include "model/ZSegmentParams.h"
#include "model/LayerFileIndex.h"
#include "statements/KeywordLine.h"
#include "statements/KeywordLineList.h"

// Comment blocks of a z-segment's ".layer" file, by where they stand.
// Statement groups of the companion files of the ".sol" deck.
enum {
    GROUP_GAIN = 0,     // ".gain"
    GROUP_DOPING = 1,   // ".doping"
    GROUP_MATER = 2,    // ".mater"
};

enum {
    COMMENT_BEFORE_BEGIN_LAYER = 0,
    COMMENT_BEFORE_COLUMNS = 1,
    COMMENT_BEFORE_BOTTOM_CONTACTS = 2,
    COMMENT_BEFORE_TOP_CONTACTS = 3,
    COMMENT_BEFORE_END_LAYER = 4,
};

class CZSegment {
public:
    static constexpr int kMaxZSegments = 40;
    // Told when a z-segment would be added to a device that has kMaxZSegments of them.
    static const char kFullDeviceMessage[];
    // The column slots grow in steps of this many.
    static constexpr int kColumnSlotStep = 10;

    std::vector<CColumnRec> m_SpareColumns;  // working storage of Column Paste; carried by copies
    CColumnRec m_ColumnClipboard;            // taken by Column Copy
    std::vector<CLayerRec> m_LayerClipboard; // taken by Layer Copy: nothing or one layer
    CZSegmentParams m_Params;
    std::vector<CSectionRecord> m_Sections;  // "section" statements in the ".sol" deck
    std::string m_strLayerFile;              // path of the z-segment's ".layer" file
    CKeywordLineList m_MaterialLines;        // the z-segment's material block in the ".sol" deck
    CKeywordLineList m_GainLines;            // GROUP_GAIN
    CKeywordLineList m_DopingLines;          // GROUP_DOPING
    CKeywordLineList m_MaterLines;           // GROUP_MATER
    int m_nSelectionKind = 0;                // 0 nothing selected, 1 a layer
    int m_nSelectedRow = -1;
    int m_nSelectedColumn = -1;
    int m_nSpare = 0;                        // carried by copies
    int m_nSpare2[2] = {0, 0};               // carried by copies
    int m_nColumnSlots = 0;                  // size of the column block (20 after a read)
    int m_nSpare3 = 0;                       // carried by copies
    std::string m_strComments[5];            // COMMENT_* blocks of the ".layer" file
    int m_nTotalXMesh = 0;                   // Total_X_Mesh
    int m_nTotalYMesh = 0;                   // Total_Y_Mesh
    std::string m_strHeaderComment[2];       // device-type and remark texts from the file's head
    std::vector<CMeshElement> m_MeshTriangles;
    std::vector<CContactList> m_SideContacts;  // one group per layer row with side contacts
    CLayerFileIndex m_SweepIndex;            // sweepable values of the saved ".layer" file
    // Taper vertices, (bottom x, top x), that the deck or the workbook gave and that lie on no
    // column's right edge. A column flag cannot carry them, so the z-segment keeps them and the
    // deck's save writes them after the flagged edges: without them a deck would lose its taper
    // outline the first time it is saved.
    std::vector<std::pair<float, float>> m_OffEdgeTaperPoints;

    CZSegment();
    CZSegment(const CZSegment&) = default;
    CZSegment& operator=(const CZSegment&) = default;
    CZSegment(CZSegment&&) = default;
    CZSegment& operator=(CZSegment&&) = default;
    virtual ~CZSegment() = default;

    // Empties columns, clipboards, selection, path, parameters, off-edge taper points, mesh, side
    // contacts and sections (then two default sections, kinds 0 and 1). Comments, mesh totals,
    // header comments, column slots and the sweep index are kept.
    void Clear();

    // --- Columns ---
    int GetColumnCount() const { return static_cast<int>(m_Columns.size()); }
    // Sets the columns in use: new ones are default columns, those beyond n are dropped.
    void SetColumnCount(int n);
    // A column in use, for writing (copied first when an undo snapshot shares it); throws
    // std::out_of_range for any other index. Read through GetColumn: it never copies.
    CColumnRec& Column(int c);
    // Any index: a column in use, or a fresh default column.
    const CColumnRec& GetColumn(int c) const;
    const CSharedColumns& GetColumns() const { return m_Columns; }
    // Inserts a column at 0..count (the later ones move right); false for an index out of range.
    bool InsertColumn(int c, const CColumnRec& column);
    bool AppendColumn(const CColumnRec& column) { return InsertColumn(GetColumnCount(), column); }
    // Removes a column in use (the later ones move left); false for an index not in use.
    bool RemoveColumn(int c);
    // Makes the column slots hold `columns` columns, raising them by kColumnSlotStep at a time;
    // slots that are enough already stay as they are.
    void ReserveColumnSlots(int columns);

    // --- Clipboards ---
    void CopySelectedColumn();
    void CopySelectedLayer();

    // --- Geometry ---
    void LayoutColumns(bool clamp, float minHeight, double zShift, double zExtension);
    // The columns laid out as a deck save measures them (LayoutColumns without a thin-layer clamp
    // or a z shift), the z-segment's own records left as they are: the range lines and taper
    // points of a save come from the device's geometry, yet a save writes the device and must not
    // change it, or the records would no longer be what the saved files reopen to.
    CSharedColumns ColumnsLaidOutForSave() const;
    // (top, left, right, bottom); all 0 without columns or without a layer in column 0.
    void GetBoundingRect(float rect[4]) const;
    bool HasLayer(int column, int row) const;
    // Where the layer at (column, row) will stand once the layer at (sourceColumn, sourceRow) is
    // taken out of its column, as Layer Cut takes it: a layer above the source in its column moves
    // down a row; when the source is its column's only layer the column goes and the later columns
    // move one place left. Asked before the removal.
    void PlaceAfterLayerRemoval(int sourceColumn, int sourceRow, int& column, int& row) const;
    void SetAngle(double angle) { m_Params.m_dAngle = angle; }
    double GetAngle() const { return m_Params.m_dAngle; }

    // --- Taper ---
    // Flags the columns whose right edge is one of the vertices; the vertices that meet no edge
    // become the z-segment's off-edge taper points.
    void MarkTaperColumns(int count, const float* bottomXs, const float* topXs);
    void SnapColumnsToVertices(int count, const float* bottomXs, const float* topXs)
    {
        MarkTaperColumns(count, bottomXs, topXs);
    }
    bool GetTaperEdge(int column, CPoint3f& p, CPoint3f& q, bool backFace) const;
    bool GetColumnBaseLine(int column, CPoint3f& p, CPoint3f& q, bool backFace) const
    {
        return GetTaperEdge(column, p, q, backFace);
    }
    void CollectTaperEdges(std::vector<CPoint3f>& points) const;
    // Taper points from the flagged columns as ColumnsLaidOutForSave places them, then the
    // off-edge ones that no flagged edge already gives; at most kMaxTaperPoints, the first ones kept.
    void BuildTaperPoints();

    // --- Sections ---
    // Gives the z-segment one section when it has none.
    void SetSectionRecord(CSectionRecord record);
    // Completes the sections (one inside, one in the gap after) and sets each one's "length" in
    // metres from its ratio and the z-segment's length, or the gap's taperLength for gap sections.
    void BuildSectionStatements(float taperLength);

    // --- Statement groups ---
    // Loads a companion file (includes expanded) into a GROUP_* group, numbered on from the load
    // context given; an unreadable file leaves it empty. Another group number changes nothing.
    // True when the file was read whole.
    bool LoadStatementGroup(int group, const std::string& path, CLoadContext& context);
    // Writes a non-empty group to path; an empty group leaves any existing file untouched. False
    // when the file could not be written (reason, when given, then tells why in the system's
    // words); true otherwise, an empty group included.
    bool WriteStatementGroup(int group, const std::string& path, std::string* reason = nullptr);
    void AddZmaterLine(CKeywordLine line) { m_MaterialLines.Append(line); }
    // Empties the material-block lines and the three groups.
    void ClearKeywordLists();

    // --- Contact ranges across the columns in use ---
    int GetTopContactCount() const;
    int GetBottomContactCount() const;
    bool GetTopContactBar(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const;
    bool GetBottomContactBar(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const;
    bool GetTopContactGeometry(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
    {
        return GetTopContactBar(n, pts, thickness, backFace);
    }
    bool GetBottomContactGeometry(int n, CPoint3f pts[4], const IContactBarThickness& thickness, bool backFace) const
    {
        return GetBottomContactBar(n, pts, thickness, backFace);
    }
    bool GetTopContact(int n, CTopContact& out) const;
    bool GetBottomContact(int n, CBottomContact& out) const;

    // --- Side contacts ---
    int CountLeftContacts() const;
    int CountRightContacts() const;
    int GetLeftContactFaces() const { return CountLeftContacts(); }
    int GetRightContactFaces() const { return CountRightContacts(); }
    bool GetLeftContact(int n, CContactRec& out) const;
    bool GetRightContact(int n, CContactRec& out) const;
    bool GetLeftContactQuads(int n, CContactRec& out) const { return GetLeftContact(n, out); }
    bool GetRightContactQuads(int n, CContactRec& out) const { return GetRightContact(n, out); }
    // Points 1..4 of the outline when face is true, 5..8 when false; false without such a contact
    // or without exactly eight outline points.
    bool GetLeftContactFace(int n, CPoint3f pts[4], const void* ignored, bool face) const;
    bool GetRightContactFace(int n, CPoint3f pts[4], const void* ignored, bool face) const;
    bool GetLeftContactOutline(int n, CPoint3f pts[4], const void* ignored, bool face) const
    {
        return GetLeftContactFace(n, pts, ignored, face);
    }
    bool GetRightContactOutline(int n, CPoint3f pts[4], const void* ignored, bool face) const
    {
        return GetRightContactFace(n, pts, ignored, face);
    }
    // n when the groups of that row hold a contact of that side with ordinal n (from 0), else 0.
    int MatchSideContacts(int n, int side, int row) const;

private:
    // Exactly the columns in use; a copy of the z-segment shares them until either side writes one.
    CSharedColumns m_Columns;

    CKeywordLineList* GetGroup(int group);
    const CKeywordLineList* GetGroup(int group) const;
    int CountSideContacts(int side) const;
    const CContactRec* FindSideContact(int side, int n) const;
    bool GetSideContactFace(int side, int n, CPoint3f pts[4], bool face) const;
    // Column holding z-segment-wide range number n and its local index; -1 when n is not below
    // the sum.
    int LocateRange(int n, bool top, int& local) const;
};
