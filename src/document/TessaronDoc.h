#pragma once
// The one document of both modes (layer builder and 3-D device editor). It owns the device (the
// z-segment records), the statements of the open ".layer" file with the context they were loaded
// with, the per-z-segment material sets, the seg-info list, the VCSEL section definitions, a
// z-segment clipboard and the undo history; every editing command of the program is a member of it.
// After every load and edit its update lays the device out for drawing, so the views only read it.
//
// The members are spread over several sources by subject:
//   TessaronDoc.cpp           life cycle, selection, tidy-up, command routing
//   TessaronDocDrawing.cpp    the drawing update: indices, edge flags, layout, drawing revision
//   TessaronDocFile.cpp       opening and saving documents
//   TessaronDocLayerFile.cpp  reading and writing one z-segment's ".layer" file
//   TessaronDocUndo.cpp       undo and redo
//   TessaronDocSegInfo.cpp    seg-info synchronisation and the isolated-layer rule
//   TessaronDocColours.cpp    layer colours
//   TessaronDocContacts.cpp   contact consistency
//   TessaronDocLabels.cpp     labels
//   TessaronDocVcsel.cpp      VCSEL section names
//   TessaronDocOptions.cpp    options and help commands
//   TessaronDocMesh.cpp       mesh counts, side-contact extents, sweep indexes
//   TessaronDocMesher.cpp     the mesher tools and the mesh plot
// with helpers of their own: CUndoHistory and CDocSnapshot (undo), the mesh-count calculator `test`
// (AutoMeshCounts.h) and CToolRunner (the mesher tools).

#include "document/UndoHistory.h"
#include "model/MaterialSet.h"
#include "model/ProcessState.h"
#include "model/SegInfoList.h"
#include "model/UnsetValue.h"
#include "model/ZSegment.h"
#include "platform/DocumentBase.h"
#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"
#include "textfiles/MacroList.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct CLayerFileContext;

// What reading a ".layer" file into the records came to (CTessaronDoc::ReadLayerFileRecords).
struct CLayerFileRead {
    enum Status {
        cannotOpen,     // the file did not open
        includeFailed,  // an included file could not be read (the load has said which)
        dataError,      // the statements do not make a z-segment ("File data error!")
        read,
    };
    Status m_status = cannotOpen;
    // A layer has an upper edge width of its own: the edit block's width flags follow.
    bool m_bUpperWidthRead = false;
};

// Where a label stands: its text with the z-segment, column and row (row -1 for a column label),
// all counted from 0.
struct CLabelLocation {
    std::string m_strText;
    int m_nZSeg = -1;
    int m_nColumn = -1;
    int m_nRow = -1;
};

class CTessaronDoc : public CDocumentBase {
public:
    static constexpr int kZSegmentRecords = CZSegment::kMaxZSegments;
    static constexpr double kUnsetScale = kUnsetValue;

    CTessaronDoc();
    ~CTessaronDoc() override;
    // Writes the target simulator to the settings ("CTessaronDoc", "product"), as destruction
    // does; the next document constructed reads it back.
    void SaveProfileSettings() const;

    // --- The device and what goes with it ---
    CKeywordLineList m_LayerLines;        // statements of the ".layer" text being read or written
    CKeywordLineList m_LoadedLines;       // copy of the layer lines right after a ".layer" read
    // The document's own numbered loads: the last load number, the include table and folder of the
    // ".layer" text read last (reset by New, Open and every read).
    CLoadContext m_LoadContext;
    std::vector<CMaterialSet> m_MaterialSets;  // one per z-segment, in z-segment order
    CSegInfoList m_SegInfoList;
    unsigned char m_bHasSelection = 0;    // some layer is selected
    std::vector<CZSegment> m_ZSegments;   // g_nZSegCount of them in use, from the front
    std::vector<CVcselSection> m_VcselSections;  // keyed by their VCSEL type (section name)
    CZSegment m_ZSegClipboard;            // taken by the z-segment material copy
    int m_nForcedSelection = 0;           // 1 while a sheet runs on a substitute selection
    int m_nLastSheetAccepted = 0;
    int m_nRefColumn = 0;                 // reference column and layer of the mesh counts
    int m_nRefLayer = 0;
    int m_nProductCode = 2;               // the simulator the ".sol" deck is written for
    int m_nTargetSimulator = 2;           // 1 Corvex3D, 2 Lumivo
    int m_nContactUpdateMode = -1;        // -1 nothing known, 0 contact parameters, 1 ranges
    int m_nCylinder = 0;                  // "Cylinder coordinate"
    int m_nDrawingLock = 0;               // set while a sheet edits the device: the 3-D view draws none
    double m_dScale[2] = {kUnsetScale, kUnsetScale};

    // --- Life cycle ---
    void DeleteContents() override;
    bool OnNewDocument() override;
    // The application's macro list, which the ".layer" reader, writer and merge consult; until
    // the application hands its list over, an empty one serves.
    void SetMacroList(CMacroList* macros) { m_pMacroList = macros; }
    CMacroList& GetMacroList() { return m_pMacroList ? *m_pMacroList : m_NoMacros; }

    // --- Opening and saving ---
    // Opens a ".layer" file; false when the file cannot be read or its statements cannot be
    // translated (the document is then empty) and for formats the program does not read.
    bool OnOpenDocument(const std::string& path) override;
    // Reads a ".layer" file as z-segment 1; false (an empty new document) when it cannot.
    bool ReadLayerFile(const std::string& path);
    // The reading part of ReadLayerFile: the file's statements through the document's own load
    // context, its material set, z-segment 1 of the records (taken as the only one) and the VCSEL
    // sections. It shows no message of its own and reads or writes nothing process-wide, so two
    // documents can read their files side by side; the caller applies the rest.
    CLayerFileRead ReadLayerFileRecords(const std::string& path);
    // Records the lines and include table just loaded from path as the next z-segment's material set.
    void AppendSegmentMaterialSet(const std::string& path);
    // Save and Save As: false when nothing or not everything was written.
    bool OnFileSave();
    bool OnFileSaveAs();
    bool DoFileSave() override;
    bool OnSaveDocument(const std::string& path) override;
    // Writes the current z-segment as a ".layer" file, merged into the lines it had when read
    // (SaveZsegmentLayerFile of the current z-segment); false without a current z-segment.
    bool SaveCurrentZsegmentLayerFile(const std::string& path);

    // --- One z-segment's ".layer" file (TessaronDocLayerFile.cpp); z-segment indexes from 0 ---
    // Reads the statements of a ".layer" file, includes expanded; false (list unchanged) for an
    // empty path, a file that does not exist or whose path holds no ".layer" after its first
    // character, a file that cannot be opened, and (list emptied) an include that cannot be read.
    bool LoadLayerStatements(std::string path, CKeywordLineList& list);
    // Reads a ".layer" file into z-segment n with its material set; it becomes the current and the
    // last z-segment. Nothing changes when the file cannot be read.
    void LoadZsegmentLayerFile(std::string path, int n);
    // Writes z-segment n to path, merged into the material set of index n; false when the file
    // cannot be written (GetWriteError then tells why).
    bool SaveZsegmentLayerFile(int n, std::string path);
    // The system's reason for the last failed ".layer" write ("Permission denied", ...).
    const std::string& GetWriteError() const { return m_strWriteError; }
    // Inserts a z-segment at n read from a ".layer" file, with the z range given (kept after the
    // z-segment before it) and an empty material set; the caller counts it. False, with the
    // z-segments and the material sets as they were, when the file cannot be read or translated
    // ("File data error!") or no z-segment can be added.
    bool LoadLayerFileAsZsegment(int n, double zFrom, double zTo, std::string path);

    // --- Selection and drawing support ---
    // Selects one layer (indices from 0) or, with zseg -1, clears every selection.
    void SetSelection(int zseg, int column, int row);
    // Refreshes layer indices, edge flags and the column layout of every z-segment in use.
    void PrepareDrawing(bool clamp, float minHeight);
    // --- The drawing update (TessaronDocDrawing.cpp) ---
    // The drawing data that follows from the device's structure alone: every layer's z-segment,
    // column and row indices and its exposed-edge flags, each flag set or cleared as the device now
    // stands. Runs after every load and in every update.
    void RefreshLayerEdges();
    // The document's update after every load and edit (open, new, undo, redo and every command
    // that updates the views): RefreshLayerEdges; once a view draws the device (SetThinLayerHeight),
    // PrepareDrawing with the views' thin-layer setting and the current z-segment's side contacts
    // kept within their rows; always a new drawing revision. The views draw what it leaves and
    // change nothing while they paint.
    void UpdateDrawing();
    // UpdateDrawing, then the views repaint with the hint.
    void UpdateAllViews(int hint = 0) override;
    // The thin-layer setting of one view, under a number of the view's own (2 the 2-D view, 3 the
    // 3-D view): with clamp, layers thinner than minHeight are laid out that thick (a contact bar's
    // thickness at the view's zoom). The device is laid out once for every view, thick enough for
    // each view that asks for thin layers: clamped when one of them clamps, to the largest of their
    // heights. A view's first setting, and every change, lays the device out (UpdateDrawing); before
    // the first one nothing draws the device and the layout, which also lines the rows and edges of
    // the columns up, is not made.
    void SetThinLayerHeight(int view, bool clamp, float minHeight);
    // Changes with every UpdateDrawing: a drawing made at another revision is out of date.
    std::uint64_t GetDrawingRevision() const { return m_nDrawingRevision; }
    // After a column or layer edit: drops empty rows, repairs the selection, prunes the VCSEL list.
    void TidyCurrentZsegment();
    bool RemoveEmptyLayerRow(int row);
    bool DeleteLayerFromColumn(int column, int row);
    // The document's path when it names a ".layer" or ".sol" file, else "".
    std::string GetDocFileName() const;
    // The current z-segment (g_nCurZSeg - 1), or nullptr when none is current.
    CZSegment* GetCurrentZSegment();
    const CZSegment* GetCurrentZSegment() const;

    // --- Z-segment menu ---
    void SelectZsegment(int index);
    // The dynamic entries: a separator and "z-segment%i" for each z-segment in use.
    std::vector<MenuItemData> GetZsegmentMenuItems() const;
    // Index of a z-segment menu id (0 for entry 1), -1 for any other id.
    static int ZsegmentIndexOfMenuId(int id);

    // --- Commands ---
    bool OnCommand(int id) override;
    CommandState QueryCommand(int id) const override;
    void OnEditUndo();
    void OnEditRedo();

    // --- Undo history (TessaronDocUndo.cpp) ---
    CUndoHistory& UndoHistory() { return m_UndoHistory; }
    const CUndoHistory& UndoHistory() const { return m_UndoHistory; }
    // The first step of every editing command: records the present state.
    void CheckPoint() { m_UndoHistory.CheckPoint(); }
    // The command's sheet was cancelled: the snapshot it recorded goes.
    void DiscardLastCheckPoint() { m_UndoHistory.DiscardLastCheckPoint(); }

    // --- Options and help (TessaronDocOptions.cpp) ---
    // Runs one of the option and help commands; false for any other id.
    bool OnOptionsCommand(int id);
    void OnViewBackGrid();
    void OnOptionsLayerInfoWindowFont();
    void OnOptionsNextStepPromptFont();
    // Both choose the simulator a deck is written for from the next start on (the restart message
    // says so); the product code the deck writers read stays as it is.
    void OnOptionsCorvex3D();
    void OnOptionsLumivo3D();
    void OnOptionsCylinderCoordinate();
    // Opens the user manual of the running mode with the default program.
    void OnUserManual();
    // The user manual of the running mode: below the program's folder.
    static std::string UserManualPath();
    // The simulator the deck writers write for: 1 Corvex3D, 2 Lumivo.
    int GetProductCode() const { return m_nProductCode; }

    // --- Mesh counts ---
    // Chooses the reference column and row of z-segment index and numbers its materials.
    void PrepareAutoMesh(int index);
    // Fills every mesh count of z-segment index that is still 0 from its sizes.
    void AutoMeshZsegment(int index);
    // False (after a warning) when a z-segment has an unset mesh count and no total mesh counts.
    bool CheckZsegmentMeshTotals() const;
    void FindMinLayerMesh(int zseg, int& row, int& smallest) const;
    void FindMinColumnMesh(int zseg, int& column, int& smallest) const;
    // Asks about the first unset mesh count; true when the save may go on.
    bool ConfirmMeshesBeforeSave();
    void RaiseMinimumMeshCounts();
    // Keeps the current z-segment's side contacts within the height of their rows.
    void ClampSideContactExtents();
    // Reloads every z-segment's sweep index from its ".layer" file.
    void RefreshLayerFileIndexes();
    // Marks every z-segment's sweep index for a reload when it is next asked for.
    void MarkLayerFileIndexesStale();
    // The sweep index of z-segment index, reloaded first when marked stale (an unreadable include
    // is reported then).
    const CLayerFileIndex& GetLayerFileIndex(int index);
    // A message box of the document's views (the save warnings: caption "Warning").
    int ViewMessageBox(const std::string& text, const std::string& caption, unsigned type) const;

    // --- Mesh plot (TessaronDocMesher.cpp); z-segment indexes from 0 ---
    // The Mesh menu: plot or clear the mesh of the current z-segment or of every z-segment in use
    // (plotting all stops at the first z-segment that cannot be plotted); then all views update.
    void OnMeshPlotCurrentSegMesh();
    void OnMeshClearCurrentSegMesh();
    void OnMeshPlotAllSegMesh();
    void OnMeshClearAllSegMesh();
    // Runs the mesher tools on the z-segment's saved ".layer" file (the document's file in the
    // layer builder), reads the ".msh" file and keeps its triangles in the z-segment, each tagged
    // with the layer that contains its centroid. With askIfModified a modified document first
    // asks whether to go on. False after a message (the z-segment's mesh as it was) when there is
    // no ".layer" file, the user declines, a tool fails or the ".msh" file cannot be read.
    bool PlotZsegmentMesh(int index, bool askIfModified);
    // Drops the mesh of a z-segment in use; nothing for any other index.
    void ClearZsegmentMesh(int index);

    // --- Seg-info synchronisation ---
    void BuildSegInfoList();
    void UpdateZsegmentsFromSegInfo();
    void UpdateSegInfoFromZsegments();
    // Forces one z plane under the isolated-layer method; true when the only z-segment gets its
    // first real z extent (the views are then reset).
    bool ApplyIsolatedLayerRule(float from, float to);

    // --- Colours ---
    void PickLayerColour(const CLayerMaterial& material, const CLayerDoping& doping, int& colour,
                         int& pattern, int skipColumn, int skipRow, int skipZSeg);
    void RecountLayerColours();
    // Equal layers share a (colour, pattern) pair; each new kind takes the next pair.
    int AssignLayerColours();
    int RenumberContacts() { return AssignLayerColours(); }

    // --- Contacts ---
    void UpdateContacts();
    void UpdateContactLayers();
    void UpdateRangeContacts();
    void ApplyContactParameters(int zseg, const double params[4]);

    // --- Labels ---
    void CollectLabelsExceptRow(int zseg, int skipRow, std::vector<CLabelLocation>& out) const;
    void CollectLabelsExceptColumn(int zseg, int skipColumn, std::vector<CLabelLocation>& out) const;
    bool IsLabelFree(const std::string& text) const;
    bool IsRowLabelFree(int zseg, int row, const std::string& text) const;
    bool IsColumnLabelFree(int zseg, int column, const std::string& text) const;
    void AssignDefaultLabels(int zseg);
    void SetColumnAndRowLabels(int zseg, int column, int row, std::vector<CLabelRec> rowLabels,
                               std::vector<CLabelRec> columnLabels);
    void CollectEditLayerLabels(std::vector<CLabelRec>& out) const;
    void CheckLabelsUnique() const;
    // The union, by text, of the labels of the row's non-"void" layers.
    void CollectLayerLabels(int zseg, int row, std::vector<CLabelRec>& out) const;
    void SetRowLabels(int zseg, int row, const std::vector<CLabelRec>& labels);
    static void MergeLabelLists(std::vector<CLabelRec> a, std::vector<CLabelRec>& b);

    // --- VCSEL section names ---
    void CollectUsedMacroNames(std::vector<std::string>& names) const;
    bool IsMacroNameUsed(const std::string& name) const;
    int FindMacroNameInOtherRow(int row, const std::string& name) const;
    std::string GetLastMacroName(int row) const;
    void ApplyVcselSection(const std::string& name, int flag, CVcselSection section);

private:
    friend class CDocSnapshot;
    CMacroList* m_pMacroList = nullptr;
    CMacroList m_NoMacros;
    std::string m_strWriteError;
    CUndoHistory m_UndoHistory{*this};
    // The views' thin-layer settings by view number (SetThinLayerHeight): clamp and least height.
    std::map<int, std::pair<bool, float>> m_ThinLayerSettings;
    std::uint64_t m_nDrawingRevision = 0;

    // What the ".layer" reader and writer work on: the records with zsegCount of them in use.
    CLayerFileContext LayerFileContext(CKeywordLineList* copyLines, int zsegCount);
    // The numbered load of a ".layer" file into the layer lines, with a fresh load context.
    CLayerFileRead::Status LoadLayerLines(const std::string& path);
    bool WarnNoData() const;
    std::vector<std::vector<int>> m_AutoMeshTags;  // material tags of the automatic mesh, [column][row]

    // The EDGE_* flags of the layer at column c, row r of z-segment z, `last` being the last
    // z-segment's index.
    static std::uint16_t ExposedEdgeFlags(const CZSegment& segment, int z, int c, int r, int last);
    // Stores every layer's indices and adds its edge flags, or with `exact` sets them to exactly
    // the flags that hold.
    void StampLayers(bool exact);
    // The z-segments in use that the document holds: g_nZSegCount, but never more than it has.
    int GetZSegmentsInUse() const;
    bool IsZSegmentInUse(int zseg) const { return zseg >= 0 && zseg < GetZSegmentsInUse(); }
    bool SegInfoCountMatches(int count) const;
    // The largest count of layers in use over the columns of z-segment zseg.
    int GetMaxRowCount(int zseg) const;
    void CollectLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const;
    void CollectAllLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const;
};

