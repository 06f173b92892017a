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
//   TessaronDocSolFile.cpp    opening and saving a ".sol" deck
//   TessaronDocNumberReport.cpp  the values an open found unusable as numbers
//   TessaronDocLayerFile.cpp  reading and writing one z-segment's ".layer" file
//   TessaronDocUndo.cpp       undo and redo
//   TessaronDocSegInfo.cpp    seg-info synchronisation and the isolated-layer rule
//   TessaronDocColours.cpp    layer colours
//   TessaronDocContacts.cpp   contact consistency
//   TessaronDocLabels.cpp     labels
//   TessaronDocVcsel.cpp      VCSEL section names
//   TessaronDocOptions.cpp    options and help commands
//   TessaronDocSpreadsheet.cpp  the spreadsheet export commands
//   TessaronDocMesh.cpp       mesh counts, side-contact extents, sweep indexes
//   TessaronDocMesher.cpp     the mesher tools and the mesh plot
//   TessaronDocNewColumn.cpp  New Column, and the edit images a new column starts from
//   TessaronDocNewLayer.cpp   New Layer
//   TessaronDocZSegment.cpp   New and Delete z-segment
//   TessaronDocNewZsegmentSheet.cpp  the 3-D editor's first z-segment through the "New segment" sheet
//   TessaronDocColumnClipboard.cpp  Column Copy, Cut and Paste
//   TessaronDocLayerClipboard.cpp   Layer Copy, Cut and Paste
//   TessaronDocMaterialPaste.cpp    the three material pastes
//   TessaronDocLayerModify.cpp      Modify Layer, and writing the edit images back (also for the
//                                   z-segment sheet)
//   TessaronDocCutLines.cpp         the horizontal and vertical cut lines
//   TessaronDocZSegmentSheet.cpp    the current z-segment's property sheet
//   TessaronDocZSegmentClipboard.cpp  copy and paste of z-segments and of z-segment material
//   TessaronDocEditCommands.cpp     routing and enabling rules of the editing commands above
//   TessaronDocEditBoxSeries.cpp    the "Series" command of a numeric box (EditBoxSeriesHost.h)
//   TessaronDocModelSeries.cpp      the model-series commands and the model changes of a series
// with helpers of their own: CUndoHistory and CDocSnapshot (undo), the mesh-count calculator `test`
// (AutoMeshCounts.h), CToolRunner (the mesher tools) and CSetAsideDocument (the open document kept
// while File Open reads another file).

#include "document/BuiltLayerText.h"
#include "document/UndoHistory.h"
#include "model/MaterialSet.h"
#include "model/ProcessState.h"
#include "model/SegInfoList.h"
#include "model/UnsetValue.h"
#include "model/ZSegment.h"
#include "platform/DocumentBase.h"
#include "statements/KeywordLineList.h"
#include "statements/LoadContext.h"
#include "statements/SharedKeywordLines.h"
#include "textfiles/MacroList.h"
#include "textfiles/MergeMemo.h"
#include "textfiles/SolDocument.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct CLayerFileContext;
class CFileTransaction;
class IWorkbookExporter;
class IWorkbookImporter;
class IModelSeriesHandler;
class CSolFile;

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
    // Statements of the ".layer" text being read or written, and the layer lines as they stood right
    // after a ".layer" read; shared with the material sets and the undo snapshots until written.
    CSharedKeywordLines m_LayerLines;
    CSharedKeywordLines m_LoadedLines;
    // The document's own numbered loads: the last load number, the include table and folder of the
    // ".layer" text read last (reset by New, Open and every read).
    CLoadContext m_LoadContext;
    std::vector<CMaterialSet> m_MaterialSets;  // one per z-segment, in z-segment order
    // What the last ".layer" write of each z-segment merged, by z-segment index, so that the next
    // write merges only what changed (never part of an undo snapshot: it answers only equal inputs).
    std::vector<CMergeMemo> m_MergeMemos;
    // What the last ".layer" write of each z-segment was built from and wrote, by z-segment index:
    // a write from the same inputs writes the same bytes again (never part of an undo snapshot).
    std::vector<CBuiltLayerText> m_BuiltLayerTexts;
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
    // Opens a ".layer" file or a ".sol" deck into a fresh document, which replaces the open one
    // only when the read succeeds: false, with the open document as it was, when the file cannot
    // be read, holds no text or its statements cannot be translated, and for formats the program
    // does not read.
    bool OnOpenDocument(const std::string& path) override;
    // The read of OnOpenDocument once the file has been found readable: the document emptied,
    // then the deck or ".layer" file read into it (nothing for any other name); false when the
    // read fails.
    bool ReadDocumentFile(const std::string& path, const std::string& lowerName, int simulator);
    // After a file has been read: one message naming every value of its ".layer" files (file,
    // line, parameter, text) that is not a number or not a size the device can have; the values
    // stay as they were read.
    void ReportUnusableNumbers();
    // The same for the ".layer" files of z-segments first to end - 1 (from 0) only.
    void ReportUnusableNumbers(int first, int end);
    // Reads a ".layer" file as z-segment 1; false (an empty new document) when it cannot.
    bool ReadLayerFile(const std::string& path);
    // The reading part of ReadLayerFile: the file's statements through the document's own load
    // context, its material set, z-segment 1 of the records (taken as the only one) and the VCSEL
    // sections. It shows no message of its own and reads or writes nothing process-wide, so two
    // documents can read their files side by side; the caller applies the rest.
    CLayerFileRead ReadLayerFileRecords(const std::string& path);
    // Records the lines (as the file has them) and the include table just loaded from path as the
    // next z-segment's material set.
    void AppendSegmentMaterialSet(const std::string& path, const CSharedKeywordLines& lines);
    // Reads the statements just loaded into the layer lines into z-segment n (zsegCount in use):
    // the reader's result. asRead gets the statements as the file has them, for the material set,
    // and the loaded lines the statements as read; one list serves all three unless the read
    // changes statements.
    int ReadLoadedStatements(int n, int zsegCount, CSharedKeywordLines& asRead, bool& upperWidthRead);
    // Reads a ".sol" deck with all its z-segments and their ".layer" files (TessaronDocSolFile.cpp).
    // The deck is checked against the simulator it was written for (simulator, -1 when not
    // known: the product code). False, leaving an empty new document and the settings as they
    // were, when the deck cannot be read (the reader has said why).
    bool OpenSolFile(const std::string& path, int simulator = -1);
    // What the ".sol" deck handler works on: the records, the layer lines, the material sets, the
    // VCSEL sections, the macro list, the product code and the deck settings as they stand.
    CSolDocument SolDocument();
    // Takes over the settings a deck was read with: z-segment count, solution method, z-extent
    // form and cylinder flag.
    void ApplyDeckSettings(const CDeckSettings& settings);
    // Saves the device as a ".sol" deck at path (TessaronDocSolFile.cpp): one ".layer" file per
    // z-segment beside the deck, named by the seg-info list, the deck converted from the one the
    // document came from (or a new default deck), the companion files. All files are put in place
    // together or none is; false after a message when the seg-info list does not match the
    // z-segments, the old deck cannot be read or a file cannot be written (every such file is
    // named), the z-segments' files then as they were.
    bool SaveSolDocument(const std::string& path);
    // Writes one ".layer" file per z-segment in use beside the deck into the save's file set and
    // makes them the z-segments' files; false after "face num is error!" when the seg-info list
    // and the z-segments differ in number (nothing written then).
    bool SaveAllZsegmentFiles(const std::string& solPath, CSolFile& sol, CFileTransaction& files);
    // The title of z-segment i's file beside a saved deck: its seg-info name, made a file title
    // when it is a path and numbered on when an earlier z-segment has it.
    std::string ZsegmentFileTitle(int i);
    // Saves the current z-segment as the ".layer" file at path and makes it the document's file;
    // false after a message when there is no current z-segment or the file cannot be written.
    bool SaveLayerDocument(const std::string& path);
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
    // The ".layer" text of z-segment n for a file at path: its unset mesh counts filled, its
    // statements merged into its material set; false for an index outside the records, and for a
    // z-segment without a column (GetWriteError then tells why).
    bool BuildZsegmentLayerText(int n, const std::string& path, std::string& bytes);
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

    // --- Building a device ---
    // New Column: one column of one layer right after the selected column of the current
    // z-segment (after the last one when nothing is selected), with the values of the "New Column"
    // sheet. In the layer builder an empty document starts with New z-segment, which runs this
    // sheet for the device's first column.
    void OnNewColumn();
    // New Layer: one layer right above the selected layer of its column, with the values of the
    // "New Layer" sheet. A column whose 500 layer slots are all in use refuses with a message.
    void OnNewLayer();
    // New Layer's rule: a layer of the current z-segment is selected, and not as a substitute.
    bool CanAddLayer() const;
    // New z-segment: the first z-segment of an empty document (through New Column's sheet in the
    // layer builder, NewZsegmentSheet in the 3-D editor), or a z-segment right after the current
    // one, read from the ".layer" file the position dialog names or copied from the current one;
    // the following z-segments move along z. A device of 40 z-segments refuses with a message.
    void OnNewZsegment();
    // Removes the current z-segment; the following ones move back along z.
    void OnDeleteZsegment();
    // The 3-D editor's first z-segment: the "New segment" sheet (its z-segment page only) gives
    // z-segment 1 its z range and parameters and one column of one layer. Tells OK or Cancel
    // through m_nLastSheetAccepted; New z-segment, which calls it, holds the undo entry.
    void NewZsegmentSheet();

    // Each of the commands above records one undo entry for what the user did, and none when its
    // sheet or dialog is cancelled or it refuses: a cancelled command leaves the device as it was.

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

    // --- Spreadsheet export (TessaronDocSpreadsheet.cpp) ---
    // The spreadsheet exchange that writes workbooks (the application hands it over; without one
    // the export commands are disabled). The caller keeps ownership.
    void SetWorkbookExporter(IWorkbookExporter* exporter) { m_pWorkbookExporter = exporter; }
    // "Export Excel" and, with open, "Export && Open Excel": refuses without a device or a current
    // z-segment, asks for the workbook (a bare name gets ".xlsx") and has the exporter write it.
    void OnFileExportExcel(bool open);
    // --- The spreadsheet import (TessaronDocImport.cpp) ---
    void SetWorkbookImporter(IWorkbookImporter* importer) { m_pWorkbookImporter = importer; }
    void OnFileImportExcel();
    // New document with all z-segment records cleared, as the import starts and as a failed one ends.
    void ResetForImport();
    // Saves the imported z-segments as the deck at solPath, each keeping the ".layer" file it was
    // loaded from; false after a message when the deck is not written.
    bool SaveImportedDeck(const std::string& solPath, const std::vector<std::string>& layerPaths);

    // --- Model-based series (TessaronDocModelSeries.cpp); z-segment indexes from 0 ---
    // The series code that runs the commands (the application hands it over; without one the
    // commands are disabled). The caller keeps ownership.
    void SetModelSeriesHandler(IModelSeriesHandler* handler) { m_pModelSeriesHandler = handler; }
    // Runs "Seri Column Width", "Seri Bulk Compos" or "Seri Active Compos"; false for any other id.
    bool OnModelSeriesCommand(int id);
    // Their enabling rule (HasSelectedLayer); false (state untouched) for any other id.
    bool QueryModelSeriesCommand(int id, CommandState& state) const;
    void OnSeriColumnWidth();
    void OnSeriBulkCompos();
    void OnSeriActiveCompos();
    // A current z-segment with a selection that names a column and a row.
    bool HasSelectedLayer() const;
    // The edit images of the layer at (zseg, column, row) as Modify Layer fills them before its
    // sheet, and written back as after an accepted sheet (no undo entry, no modified flag).
    void LoadEditImages(int zseg, int column, int row);
    void StoreEditImages(int zseg, int column, int row);
    // Sets the height (kind 0) or the width (kind 1) of a layer for a series: a trapezoid keeps its
    // shape, its larger edge taking the value. Then the mesh totals are checked ("Not set mesh!").
    void ApplySeriesValue(int kind, int zseg, int column, int row, float value);
    // Sets variable k + 1 (k from 0 to 5) of the layer's bulk macro, or with active its active
    // macro, for a series.
    void ApplySeriesMacroValue(bool active, int zseg, int column, int row, int k, double value);

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
    // Counts every layer in use of z-segment zseg once more (step 1) or once less (step -1).
    void CountZsegmentColours(int zseg, int step);
    // Equal layers share a (colour, pattern) pair; each new kind takes the next pair.
    int AssignLayerColours();
    int RenumberContacts() { return AssignLayerColours(); }
    // Adds delta to the usage count of the layer's (colour, pattern) pair (+1 as a layer is put in
    // place, -1 as it leaves).
    static void CountLayerColour(const CLayerRec& layer, int delta);

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
    // The naming rule of copied labels: the name's trailing number (1 when it has none) and then
    // every next number, after the name's base, until `accept` takes the name.
    static std::string FreeLabelName(const std::string& name, const std::function<bool(const std::string&)>& accept);
    // Renames the labels of a column in place, one after the other, each to a name no label of the
    // document carries (IsLabelFree); as the labels belong to the document, later tests see the
    // earlier new names, and a label's own old name does not count as free.
    void RenameColumnLabels(std::vector<CLabelRec>& labels);
    // Renames the labels of one row: each to a name no label outside the row carries
    // (IsRowLabelFree) and no other entry of the list carries.
    void RenameRowLabels(int zseg, int row, std::vector<CLabelRec>& labels) const;

    // --- Column clipboard (Column menu); the current z-segment's selected column ---
    // Copies the selected column into the current z-segment's column clipboard.
    void OnColumnCopy();
    // Copies the selected column and removes it.
    void OnColumnCut();
    // Inserts the column clipboard of z-segment g_nClipboardZSeg right of the selected column;
    // its top layer becomes the selection.
    void OnColumnPaste();

    // --- Layer clipboard and modify (Layer menu); the current z-segment's selected layer ---
    void OnLayerCopy();
    void OnLayerCut();
    // Layer Cut as a CTRL drag of a layer uses it: the drop target's column and row are read before
    // the cut moves any layer, and the target layer is selected where it stands after the cut, so
    // the Layer Paste that follows inserts the cut layer above it. A target that is no layer, or
    // the cut layer itself, leaves nothing selected, as the plain cut does.
    void OnLayerCut(int targetColumn, int targetRow);
    // Inserts the clipboard layer of z-segment g_nClipboardZSeg above the selected layer; refused
    // with a message when the column has no free row.
    void OnLayerPaste();
    // Runs the layer property sheet on the selected layer and writes the edited images back.
    void OnLayerModify();

    // --- Material paste: the clipboard layer's material onto layers of the current z-segment ---
    void OnLayerPasteMaterialOnly();        // the selected layer
    void OnLayerPasteTotalLayerMaterial();  // the non-empty layers of the selected row
    void OnLayerPasteTotalColumnMaterial(); // the non-empty layers of the selected column

    // --- Cut lines (Insert menu) ---
    // Cuts the selected row in two at a height asked in the cut-line dialog.
    void OnInsertHoriLine();
    // Cuts the selected column in two at a distance from its left edge asked in the dialog.
    void OnInsertVertiLine();
    // Height of the row's first non-empty layer over the columns of z-segment zseg; -1.0 none.
    double GetRowHeight(int zseg, int row) const;
    // Largest of width, upper and lower width of the column's first non-empty layer; -1.0 when it
    // has none or is not in use.
    double GetColumnWidth(int zseg, int column) const;

    // --- Z-segment sheet and clipboard (Z-segment menu) ---
    // The z-segment page alone on the current z-segment ("Modify Z Panels").
    void OnCurrentZsegmentProperty();
    // Remembers the current z-segment's number for Paste z-segment.
    void OnCopyZsegment();
    // Inserts a copy of the remembered z-segment after the current one; it becomes current.
    void OnPasteZsegment();
    // Copies the whole current z-segment into the z-segment clipboard.
    void OnCopyZsegmentMaterial();
    // Replaces the current z-segment by the z-segment clipboard, keeping its own parameters.
    void OnPasteZsegmentMaterial();

    // --- Routing of the editing commands above (TessaronDocEditCommands.cpp) ---
    // Runs one of them; false for any other id.
    bool OnEditCommand(int id);
    // The enabling rule of one of them; false (state untouched) for any other id.
    bool QueryEditCommand(int id, CommandState& state) const;

    // --- Edit-box series (TessaronDocEditBoxSeries.cpp) ---
    // "Series" of a numeric box's menu: the value of parameter g_nSeriesParamId (of the contact
    // cell g_SeriesGridCell for 200) goes to the installed series host.
    void OnEditBoxSeries();
    // The same for parameter paramId (200: the contact value gridCell names), as a right click on
    // a numeric box or a contact value asks it.
    void SweepValue(int paramId, const CSeriesTarget& gridCell);
    // Finds a value in the saved files of the current z-segment: the parameter at the selected
    // layer and column (any, without a selection), or the contact value of the grid cell for
    // parameter id 200. False after a message when the document has unsaved changes, a sheet builds
    // a new column or layer, the saved files do not hold the value or its text is not a number.
    bool FindSeriesValue(int paramId, const CSeriesTarget& gridCell, CLayerFileItem& found);
    // A whole number text, blanks around it allowed; a zero must be written with a leading "0".
    static bool IsSeriesNumberText(const std::string& text);
    // New and Open: the series of the device that goes closes with its items.
    static void CloseEditBoxSeries();

    // --- VCSEL section names ---
    void CollectUsedMacroNames(std::vector<std::string>& names) const;
    bool IsMacroNameUsed(const std::string& name) const;
    int FindMacroNameInOtherRow(int row, const std::string& name) const;
    std::string GetLastMacroName(int row) const;
    void ApplyVcselSection(const std::string& name, int flag, CVcselSection section);

private:
    friend class CDocSnapshot;
    friend class CSetAsideDocument;
    CMacroList* m_pMacroList = nullptr;
    CMacroList m_NoMacros;
    IWorkbookExporter* m_pWorkbookExporter = nullptr;
    IWorkbookImporter* m_pWorkbookImporter = nullptr;
    IModelSeriesHandler* m_pModelSeriesHandler = nullptr;
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

    // --- Building a device: the steps the commands share ---
    // Runs the layer property sheet for a new column, layer or z-segment; true when accepted. The
    // side-contact groups the Contact page hands back become those of z-segment zseg; a sheet whose
    // Contact page was never shown leaves them.
    bool RunBuildSheet(const char* caption, bool allPages, int zseg);
    // The size, mesh and column defaults a new first layer of a column starts from (New Column and
    // the "New segment" sheet); the labels go too when clearLabels.
    void PresetNewColumnImages(bool clearLabels);
    // The column the images make: the edit layer as its only layer (with the colour the chooser
    // gives it, selected), the edit column's mesh, taper and contact ranges, the edit layer's edge
    // widths; every other member fresh.
    CColumnRec NewColumnFromImages();
    // The z-segment image takes z-segment segment's mesh totals, z range, z planes and taper link,
    // and gives them back (one z plane for an empty z range).
    static void LoadZsegmentImage(const CZSegment& segment);
    static void StoreZsegmentImage(CZSegment& segment);
    // The size page's rule after a new or modified layer: when both edge widths were edited in the
    // sheet, the layer's width becomes its lower width and both marks are cleared.
    static void ApplyEdgeWidthMarks(CLayerRec& layer);
    // After New Column and New Layer: z-segment zseg as a save of it reads back, short columns
    // filled with the empty layers the file gives them (model/RowPadding.h), so that the views show
    // what a reopen shows; the new layer's row stays even when the user left the layer empty.
    void PadRowsAsSaved(int zseg, int newRow);
    // The sheet steps of New Column after the undo entry (the first column included).
    void NewColumnSheet();
    void PresetNewLayerImages(const CZSegment& segment, int column, int row);
    void InsertNewLayer(int zseg, int column, int row);
    // New z-segment's two paths; false when the sheet or the position dialog was cancelled.
    // imported tells whether the further z-segment was read from a ".layer" file.
    bool NewFirstZsegment();
    bool NewFurtherZsegment(int previous, bool& imported);
    bool AskZsegmentPosition(const CZSegment& previous, std::string& layerFile, double& from, double& to);
    void MakeZsegmentTemplate(const CZSegment& previous);
    void InsertZsegmentCopy(int index);
    void InsertZsegmentSegInfo(int index, bool imported, const std::string& layerFile);
    std::vector<std::vector<int>> m_AutoMeshTags;  // material tags of the automatic mesh, [column][row]

    // The EDGE_* flags of the layer at column c, row r of z-segment z, `last` being the last
    // z-segment's index.
    static std::uint16_t ExposedEdgeFlags(const CZSegment& segment, int z, int c, int r, int last);
    // Stores every layer's indices and adds its edge flags, or with `exact` sets them to exactly
    // the flags that hold.
    void StampLayers(bool exact);
    // The same for the layers of z-segment z alone, `last` being the last z-segment's index.
    void StampZsegment(int z, int last, bool exact);
    // The z-segments in use that the document holds: g_nZSegCount, but never more than it has.
    int GetZSegmentsInUse() const;
    bool IsZSegmentInUse(int zseg) const { return zseg >= 0 && zseg < GetZSegmentsInUse(); }
    bool SegInfoCountMatches(int count) const;
    // The largest count of layers in use over the columns of z-segment zseg.
    int GetMaxRowCount(int zseg) const;
    void CollectLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const;
    void CollectAllLabels(int zseg, int skipRow, int skipColumn, std::vector<CLabelLocation>& out) const;

    // --- Editing commands ---
    // The current z-segment when its selection names a layer in use (column and row set), else
    // nullptr.
    CZSegment* GetSelectedCell(int& column, int& row);
    // Selection kind 1 with a column and a row of 0 or more, in the current z-segment.
    bool HasLayerSelection() const;
    // The clipboards of z-segment g_nClipboardZSeg, or nullptr when that number names none in use.
    const CZSegment* GetClipboardZSegment() const;
    // The first clipboard layer (the layer Layer Copy took), or nullptr when there is none.
    const CLayerRec* GetClipboardLayer() const;
    // Where a layer paste goes: the current z-segment when a layer is selected there and the
    // clipboard holds a layer (copied into `layer`), else nullptr.
    CZSegment* GetLayerPasteTarget(int& column, int& row, CLayerRec& layer);
    // Steps shared by Modify Layer and the z-segment sheet, on the current z-segment S with its
    // column c and row r (TessaronDocLayerModify.cpp).
    // g_EditColumn and g_EditLayer from the column and layer, the row's Gaussian tail included.
    void FillEditImages(const CZSegment& segment, int column, int row);
    void ApplyRegularColumnRule(CColumnRec& column) const;
    void TakeEditColumnContacts(int zseg, int column);
    // S's z range and mesh totals from g_EditZSegment with the range rules; the later z-segments
    // move with the z end (by shift as given); one z plane for an empty range.
    void TakeEditZRange(int zseg, double oldZEnd, bool singlePrecisionShift);
    void WriteBackEditLayer(CZSegment& segment, int column, int row);
    // What the edited layer's edges gained, its neighbours across them lose.
    void ShiftNeighbourWidths(CZSegment& segment, int column, int row);
    // Runs the material paste on the targets `pick` chooses in the current z-segment.
    void PasteMaterialInto(const std::function<bool(const CZSegment&, int column, int row)>& pick);
    void CutRowAt(CZSegment& segment, int row, double value);
    void CutColumnAt(CZSegment& segment, int column, double value);
    // The smallest edge width over the layers in use of the column: the most a vertical cut may
    // take; -1.0 when the column has no non-empty layer.
    double GetColumnCutLimit(const CZSegment& segment, int column) const;
    // The OK path of the z-segment sheet on the current z-segment with its column (-1 without a
    // layer at the selection) and row; true when the views are to be reset (the isolated-layer
    // rule's first real extent).
    bool ApplyZsegmentSheet(CZSegment& segment, int column, int row, bool realSelection, double oldZEnd);
};

