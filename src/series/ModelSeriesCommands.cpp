#include "series/ModelSeriesCommands.h"

#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "platform/NumberText.h"
#include "platform/Path.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "series/SeriesDocumentGuard.h"
#include "series/SeriesPointSave.h"
#include "series/SeriesProject.h"
#include "series/ModelSeriesTable.h"
#include "series/SeriesVariable.h"
#include "series/ModelSeriesWindows.h"

#include <cmath>
#include <ctime>

const char* const CModelSeriesCommands::kKindSuffixes[4] = {"-Height-", "-Width-", "-Bulk-", "-Active-"};

namespace {

// The selected layer of the current z-segment (the commands run only when there is one).
const CLayerRec* SelectedLayer(CTessaronDoc& doc, int& zseg, int& column, int& row)
{
    const CZSegment* segment = doc.GetCurrentZSegment();
    if (!segment || !doc.HasSelectedLayer())
        return nullptr;
    zseg = g_nCurZSeg - 1;
    column = segment->m_nSelectedColumn;
    row = segment->m_nSelectedRow;
    return &segment->GetColumn(column).GetLayer(row);
}

}  // namespace

void CModelSeriesCommands::OnSeriColumnWidth(CTessaronDoc& doc)
{
    int zseg = 0, column = 0, row = 0;
    const CLayerRec* layer = SelectedLayer(doc, zseg, column, row);
    if (!layer)
        return;
    double value = layer->m_fWidth;
    if (std::fabs(layer->m_fUpperWidth - layer->m_fLowerWidth) > 1e-5)
        value = std::max(layer->m_fUpperWidth, layer->m_fLowerWidth);
    CSeriesVariable variable;
    variable.SetName("width");
    variable.SetLabel(StrFormat("Col:%d, Layer:%d", column, row));
    variable.m_nZSeg = zseg;
    variable.m_nColumn = column;
    variable.m_nRow = row;
    variable.m_dInitial = variable.m_dFinal = variable.m_dStep = variable.m_dCurrent = value;
    AddSeriesVariable(doc, variable);
}

void CModelSeriesCommands::AddSeriesVariable(CTessaronDoc& doc, CSeriesVariable variable)
{
    if (doc.IsModified()) {
        AfxMessageBox("Please save your modify first!", MB_OK | MB_ICONWARNING);
        return;
    }
    if (const CModelSeriesTable* table = m_windows.FindSeriesTable(); table && !table->IsNewSeriesVariable(variable))
        return;
    if (!EditSeriesVariable(variable))
        return;
    m_windows.ShowSeriesTable(doc).AddVariable(variable, std::time(nullptr));
    m_windows.RefreshSeriesTable();
}

bool CModelSeriesCommands::EditSeriesVariable(CSeriesVariable& variable)
{
    SeriesItemRequest request;
    request.initial = variable.m_dInitial;
    request.current = variable.m_dCurrent;
    request.final = variable.m_dFinal;
    request.caption = variable.GetName();
    if (!m_windows.RunSeriesItemDlg(request))
        return false;
    variable.m_dInitial = request.initial;
    variable.m_dFinal = request.final;
    return true;
}

void CModelSeriesCommands::OnSeriCompos(CTessaronDoc& doc, bool active)
{
    int zseg = 0, column = 0, row = 0;
    const CLayerRec* layer = SelectedLayer(doc, zseg, column, row);
    if (!layer)
        return;
    const CMacroParamSet& macro = active ? *layer->m_Material.m_Active : layer->m_Material.m_Bulk;
    SeriComposRequest request;
    request.macroName = macro.m_strName;
    for (int k = 0; k < 6; ++k)
        request.values[k] = macro.m_dVar[k];
    request.macros = &doc.GetMacroList();
    if (doc.GetMacroList().GetParamCountOf(macro.m_strName) <= 0) {
        AfxMessageBox("No Parameter", MB_OK | MB_ICONWARNING);
        return;
    }
    if (m_windows.RunSeriComposDlg(request))
        AddCompositionSeries(doc, active ? 3 : 2, request.row, request.from, request.to, request.step);
}

std::string CModelSeriesCommands::CompositionSeriesName(const std::string& root, int kind, int row)
{
    std::string name = PathFileTitle(root);
    if (name.empty())
        name = PathFileName(root);
    return name + kKindSuffixes[kind] + StrFormat("var%d-", row + 1);
}

bool CModelSeriesCommands::AddCompositionSeries(CTessaronDoc& doc, int kind, int row, double from, double to,
                                                double step)
{
    const std::string root = Trim(doc.GetDocFileName());
    if (root.empty()) {
        AfxMessageBox("Please save your device first!", MB_OK | MB_ICONWARNING);
        return false;
    }
    int zseg = 0, column = 0, layerRow = 0;
    if (!SelectedLayer(doc, zseg, column, layerRow))
        return false;
    CSeriesDocumentGuard guard(doc);
    CSeriesProject project(root);
    if (!project.Run(CompositionSeriesName(root, kind, row), from, to, step))
        return false;
    const bool active = kind == 3;
    for (int i = 0; i < project.GetFolderCount(); ++i) {
        doc.ApplySeriesMacroValue(active, zseg, column, layerRow, row, project.GetValues()[static_cast<std::size_t>(i)]);
        if (!CSeriesPointSave::SaveInto(doc, {zseg}, project.GetFolderName(i), root))
            return false;
    }
    return true;
}
