#include "document/TessaronDoc.h"

#include "CommandIds.h"
#include "document/EditBoxSeriesHost.h"
#include "platform/AppServices.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/Profile.h"
#include "platform/ViewsHub.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

const char kProfileSection[] = "CTessaronDoc";
const char kProfileProduct[] = "product";

std::string TrimBlanks(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

CTessaronDoc::CTessaronDoc()
{
    g_nZSegCount = 0;
    g_nCurZSeg = 0;
    g_nClipboardZSeg = 0;
    const std::string product = Profile().GetProfileString(kProfileSection, kProfileProduct);
    if (!product.empty()) {
        // Only 1 and 2 name a simulator; any other code would write no deck at all.
        const int code = AtoI(product);
        m_nProductCode = m_nTargetSimulator = (code == 1 || code == 2) ? code : 2;
    }
}

CTessaronDoc::~CTessaronDoc() { SaveProfileSettings(); }

void CTessaronDoc::SaveProfileSettings() const
{
    Profile().WriteProfileString(kProfileSection, kProfileProduct, std::to_string(m_nTargetSimulator));
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void CTessaronDoc::DeleteContents()
{
    if (g_nZSegCount > 0) {
        m_ZSegClipboard.SetColumnCount(0);
        m_ZSegClipboard.m_LayerClipboard.clear();
        g_EditColumn.m_Contacts.Clear();
        m_ZSegments.clear();
        g_nCurZSeg = 0;
        g_nZSegCount = 0;
        std::memset(g_ColourUsage, 0, sizeof g_ColourUsage);
        m_nForcedSelection = 0;
    }
    m_VcselSections.clear();
    m_MergeMemos.clear();
    m_BuiltLayerTexts.clear();
    g_nClipboardZSeg = 0;
    CDocumentBase::DeleteContents();
}

bool CTessaronDoc::OnNewDocument()
{
    CloseEditBoxSeries();
    if (!CDocumentBase::OnNewDocument())
        return false;
    m_SegInfoList.Clear();
    for (CZSegment& zseg : m_ZSegments)
        zseg.m_MeshTriangles.clear();
    AppServices().ClearLayerMacros();
    DeleteContents();
    m_nForcedSelection = 0;
    m_LoadContext.Reset();
    g_nClipboardZSeg = 0;
    m_LayerLines = CSharedKeywordLines();
    m_LoadedLines = CSharedKeywordLines();
    m_MaterialSets.clear();
    // The edit block keeps the user's last material, doping and sizes for the next layer; only
    // what belongs to one particular layer is dropped.
    g_EditLayer.m_Grating.SetDefault();
    g_EditLayer.m_Mesh.m_dShiftCenter = 0.0;
    g_EditLayer.m_strComment.clear();
    g_EditLayer.m_Labels.clear();
    m_ZSegClipboard.Clear();
    SetPathName("  ", true);
    m_dScale[0] = m_dScale[1] = kUnsetScale;
    m_nContactUpdateMode = -1;
    if (m_pViews)
        m_pViews->StartPrompt(0);
    m_UndoHistory.Clear();
    UpdateDrawing();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Selection and drawing support

CZSegment* CTessaronDoc::GetCurrentZSegment()
{
    if (g_nCurZSeg < 1 || g_nCurZSeg > static_cast<int>(m_ZSegments.size()))
        return nullptr;
    return &m_ZSegments[g_nCurZSeg - 1];
}

const CZSegment* CTessaronDoc::GetCurrentZSegment() const
{
    return const_cast<CTessaronDoc*>(this)->GetCurrentZSegment();
}

int CTessaronDoc::GetZSegmentsInUse() const
{
    return std::min<int>(g_nZSegCount, static_cast<int>(m_ZSegments.size()));
}

int CTessaronDoc::GetMaxRowCount(int zseg) const
{
    int rows = 0;
    for (const CColumnRec& column : m_ZSegments[zseg].GetColumns())
        rows = std::max(rows, column.GetLayersInUse());
    return rows;
}

void CTessaronDoc::SetSelection(int zseg, int column, int row)
{
    const int inUse = GetZSegmentsInUse();
    for (int i = 0; i < inUse; ++i) {
        CZSegment& segment = m_ZSegments[i];
        if (segment.m_nSelectionKind == 0)
            continue;
        const int c = segment.m_nSelectedColumn;
        const int r = segment.m_nSelectedRow;
        if (c >= 0 && r >= 0 && c < segment.GetColumnCount()) {
            CColumnRec& selected = segment.Column(c);
            selected.m_nSelectedLayer = -1;
            if (selected.HasRow(r)) {
                selected.Layer(r).m_nSelected = 0;
                selected.Layer(r).m_nWhite = 0;
            }
        }
        segment.m_nSelectionKind = 0;
        segment.m_nSelectedColumn = -1;
        segment.m_nSelectedRow = -1;
    }
    if (zseg == -1) {
        m_bHasSelection = 0;
        return;
    }
    if (zseg < 0 || zseg >= static_cast<int>(m_ZSegments.size()))
        return;
    CZSegment& segment = m_ZSegments[zseg];
    segment.m_nSelectionKind = 1;
    segment.m_nSelectedColumn = column;
    segment.m_nSelectedRow = row;
    if (column >= 0 && column < segment.GetColumnCount()) {
        CColumnRec& selected = segment.Column(column);
        selected.m_nSelectedLayer = row;
        if (selected.HasRow(row)) {
            selected.Layer(row).m_nSelected = 1;
            selected.Layer(row).m_nWhite = 0;
        }
    }
    m_bHasSelection = 1;
}

void CTessaronDoc::PrepareDrawing(bool clamp, float minHeight)
{
    // Flags are only ever added here; RefreshLayerEdges also clears those no longer true.
    StampLayers(false);
    const int inUse = GetZSegmentsInUse();
    for (int z = 0; z < inUse; ++z)
        m_ZSegments[z].LayoutColumns(clamp, minHeight, z * 0.01, 0.01);
    if (const CZSegment* current = GetCurrentZSegment()) {
        if (current->m_nSelectedColumn >= 0 && current->m_nSelectedRow >= 0)
            SetSelection(g_nCurZSeg - 1, current->m_nSelectedColumn, current->m_nSelectedRow);
        else
            SetSelection(-1, -1, -1);
    }
}

void CTessaronDoc::TidyCurrentZsegment()
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return;
    const int rows = GetMaxRowCount(g_nCurZSeg - 1);
    for (int row = 0; row < rows;) {
        if (!RemoveEmptyLayerRow(row))
            ++row;
    }
    const int c = segment->m_nSelectedColumn;
    const int r = segment->m_nSelectedRow;
    if (c < 0 || c >= segment->GetColumnCount() || r < 0 || r >= segment->GetColumn(c).GetLayersInUse()) {
        segment->m_nSelectionKind = 0;
        segment->m_nSelectedColumn = -1;
        segment->m_nSelectedRow = -1;
    }
    std::vector<std::string> used;
    CollectUsedMacroNames(used);
    m_VcselSections.erase(
        std::remove_if(m_VcselSections.begin(), m_VcselSections.end(),
                       [&used](const CVcselSection& section) {
                           return std::find(used.begin(), used.end(), section.m_strVcselType) == used.end();
                       }),
        m_VcselSections.end());
}

bool CTessaronDoc::RemoveEmptyLayerRow(int row)
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment)
        return false;
    for (const CColumnRec& column : segment->GetColumns()) {
        if (column.HasRow(row) && !column.GetLayer(row).IsEmpty())
            return false;
    }
    bool removed = false;
    for (int c = 0; c < segment->GetColumnCount();) {
        if (!segment->GetColumn(c).HasRow(row)) {
            ++c;
            continue;
        }
        removed = true;
        // When the column itself went, the next column now stands at this index.
        if (!DeleteLayerFromColumn(c, row))
            ++c;
    }
    // The selection stays on its layer: it moves down only when a row below it went.
    if (removed && row < segment->m_nSelectedRow)
        --segment->m_nSelectedRow;
    return removed;
}

bool CTessaronDoc::DeleteLayerFromColumn(int column, int row)
{
    CZSegment* segment = GetCurrentZSegment();
    if (!segment || column < 0 || column >= segment->GetColumnCount())
        return false;
    if (segment->GetColumn(column).GetLayersInUse() == 1) {
        segment->RemoveColumn(column);
        return true;
    }
    segment->Column(column).RemoveLayer(row);
    return false;
}

std::string CTessaronDoc::GetDocFileName() const
{
    const std::string path = TrimBlanks(GetPathName());
    if (PathNamesKind(path, ".layer") || PathNamesKind(path, ".sol"))
        return path;
    return std::string();
}

// ---------------------------------------------------------------------------------------------
// Z-segment menu and command routing

void CTessaronDoc::SelectZsegment(int index)
{
    g_nCurZSeg = index + 1;
    UpdateAllViews(0);
}

int CTessaronDoc::ZsegmentIndexOfMenuId(int id)
{
    for (int i = kZsegmentMenuIdCount - 1; i >= 0; --i) {
        if (kZsegmentMenuIds[i] == id)
            return i;
    }
    return -1;
}

std::vector<MenuItemData> CTessaronDoc::GetZsegmentMenuItems() const
{
    std::vector<MenuItemData> items;
    if (g_nZSegCount <= 0)
        return items;
    MenuItemData separator;
    separator.separator = true;
    items.push_back(separator);
    const int count = std::min(g_nZSegCount, kZsegmentMenuIdCount);
    for (int i = 1; i <= count; ++i) {
        MenuItemData item;
        item.id = kZsegmentMenuIds[i - 1];
        item.text = "z-segment" + std::to_string(i);
        item.checked = g_nCurZSeg == i;
        items.push_back(item);
    }
    return items;
}

bool CTessaronDoc::OnCommand(int id)
{
    const int zsegIndex = ZsegmentIndexOfMenuId(id);
    if (zsegIndex >= 0) {
        SelectZsegment(zsegIndex);
        return true;
    }
    if (OnOptionsCommand(id) || OnEditCommand(id) || OnModelSeriesCommand(id))
        return true;
    switch (id) {
    case ID_FILE_SAVE: OnFileSave(); return true;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); return true;
    case ID_EDIT_UNDO: OnEditUndo(); return true;
    case ID_EDIT_REDO: OnEditRedo(); return true;
    case ID_MESH_PLOT: OnMeshPlotCurrentSegMesh(); return true;
    case ID_MESH_CLEAR: OnMeshClearCurrentSegMesh(); return true;
    case ID_MESH_PLOT_ALL: OnMeshPlotAllSegMesh(); return true;
    case ID_MESH_CLEAR_ALL: OnMeshClearAllSegMesh(); return true;
    case ID_COLUMN_NEW: OnNewColumn(); return true;
    case ID_LAYER_NEW: OnNewLayer(); return true;
    case ID_ZSEG_NEW: OnNewZsegment(); return true;
    case ID_ZSEG_DELETE: OnDeleteZsegment(); return true;
    case ID_FILE_EXPORT_EXCEL: OnFileExportExcel(false); return true;
    case ID_FILE_EXPORT_OPEN_EXCEL: OnFileExportExcel(true); return true;
    case ID_EDIT_BOX_SERIES: OnEditBoxSeries(); return true;
    case ID_FILE_IMPORT_EXCEL: OnFileImportExcel(); return true;
    default: return CDocumentBase::OnCommand(id);
    }
}

CommandState CTessaronDoc::QueryCommand(int id) const
{
    CommandState state;
    state.handled = true;
    const auto checkWhen = [&state](bool checked) {
        state.hasCheck = true;
        state.checked = checked;
    };
    const int zsegIndex = ZsegmentIndexOfMenuId(id);
    if (zsegIndex >= 0) {
        checkWhen(g_nCurZSeg == zsegIndex + 1);
        return state;
    }
    if (QueryEditCommand(id, state) || QueryModelSeriesCommand(id, state))
        return state;
    switch (id) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_HELP_USER_MANUAL:
    case ID_OPTIONS_LAYER_INFO_FONT:
    case ID_OPTIONS_PROMPT_FONT:
    case ID_MESH_PLOT:
    case ID_MESH_CLEAR:
    case ID_MESH_PLOT_ALL:
    case ID_MESH_CLEAR_ALL:
        break;
    case ID_ZSEG_NEW:
        break;
    case ID_COLUMN_NEW: state.enabled = !AppServices().Is3dMode() || g_nCurZSeg > 0; break;
    case ID_LAYER_NEW: state.enabled = CanAddLayer(); break;
    case ID_ZSEG_DELETE: state.enabled = g_nCurZSeg > 0; break;
    case ID_FILE_EXPORT_EXCEL:
    case ID_FILE_EXPORT_OPEN_EXCEL: state.enabled = m_pWorkbookExporter != nullptr; break;
    case ID_EDIT_BOX_SERIES: state.enabled = EditBoxSeriesHost() != nullptr; break;
    case ID_FILE_IMPORT_EXCEL: state.enabled = m_pWorkbookImporter != nullptr; break;
    case ID_EDIT_UNDO: state.enabled = m_UndoHistory.CanUndo(); break;
    case ID_EDIT_REDO: state.enabled = m_UndoHistory.CanRedo(); break;
    case ID_VIEW_BACK_GRID:
        if (m_pViews && m_pViews->HasGL2dView())
            checkWhen(m_pViews->GetGridFlag() != 0);
        break;
    case ID_OPTIONS_CORVEX3D: checkWhen(m_nTargetSimulator == 1); break;
    case ID_OPTIONS_LUMIVO3D: checkWhen(m_nTargetSimulator == 2); break;
    case ID_OPTIONS_CYLINDER: checkWhen(m_nCylinder == 1); break;
    default: return CDocumentBase::QueryCommand(id);
    }
    return state;
}
