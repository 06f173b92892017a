// The "Series" command of a numeric box's (or a contact value's) right-click menu: finds the value
// in the saved ".layer" files of the current z-segment and hands it to the edit-box series.

#include "document/EditBoxSeriesHost.h"
#include "document/TessaronDoc.h"
#include "model/SeriesGridCell.h"
#include "platform/NumberText.h"
#include "platform/UserPrompts.h"

namespace {

IEditBoxSeriesHost* g_pEditBoxSeriesHost = nullptr;

constexpr int kGridValueId = 200;
constexpr const char* kNotInFile = "Can't find this item in file, \nPerhaps you should save file first!";
constexpr const char* kContactNotInFile = "Error when series contact, \nPlease save file first!";

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

}  // namespace

IEditBoxSeriesHost* EditBoxSeriesHost() { return g_pEditBoxSeriesHost; }
void SetEditBoxSeriesHost(IEditBoxSeriesHost* host) { g_pEditBoxSeriesHost = host; }

bool CTessaronDoc::IsSeriesNumberText(const std::string& text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlankChar(text[first]))
        ++first;
    std::size_t consumed = 0;
    const double value = StrToD(text, &consumed);
    if (consumed == 0 || (value == 0.0 && text[first] != '0'))
        return false;
    for (std::size_t i = consumed; i < text.size(); ++i) {
        if (!IsBlankChar(text[i]))
            return false;
    }
    return true;
}

bool CTessaronDoc::FindSeriesValue(int paramId, const CSeriesTarget& gridCell, CLayerFileItem& found)
{
    const int z = g_nCurZSeg - 1;
    if (z < 0 || !IsZSegmentInUse(z))
        return false;
    const char* refusal = paramId == kGridValueId ? kContactNotInFile : kNotInFile;
    // The index knows the saved files only: with unsaved changes, or while a sheet builds a new
    // column or layer (the selection then names another layer), the value it finds is not the one
    // the box shows.
    if (IsModified() || g_nLayerEditMode == 1 || g_nLayerEditMode == 2) {
        AfxMessageBox(refusal, MB_OK);
        return false;
    }
    const CZSegment& segment = m_ZSegments[static_cast<std::size_t>(z)];
    const bool selected = segment.m_nSelectionKind != 0 && segment.m_nSelectedColumn >= 0 &&
                          segment.m_nSelectedColumn < segment.GetColumnCount() && segment.m_nSelectedRow >= 0;
    const int column = selected ? segment.m_nSelectedColumn : -1;
    const int row = selected ? segment.m_nSelectedRow : -1;
    std::string key;
    if (selected && paramId >= 100 && paramId <= 129)
        key = segment.GetColumn(column).GetLayer(row).m_Vcsel->m_strVcselType;
    const CLayerFileIndex& index = GetLayerFileIndex(z);
    if (paramId == kGridValueId ? !index.FindContactItem(gridCell, found)
                                : !index.FindItem(paramId, z, row, column, key, found))
        return false;
    if (!IsSeriesNumberText(found.m_strValue)) {
        AfxMessageBox("You must operate on a number!", MB_OK);
        return false;
    }
    return true;
}

void CTessaronDoc::OnEditBoxSeries() { SweepValue(g_nSeriesParamId, g_SeriesGridCell); }

void CTessaronDoc::SweepValue(int paramId, const CSeriesTarget& gridCell)
{
    IEditBoxSeriesHost* host = EditBoxSeriesHost();
    CLayerFileItem found;
    if (!host || !FindSeriesValue(paramId, gridCell, found))
        return;
    host->AddSeriesValue(found, GetLayerFileIndex(g_nCurZSeg - 1));
}

void CTessaronDoc::CloseEditBoxSeries()
{
    if (IEditBoxSeriesHost* host = EditBoxSeriesHost())
        host->CloseSeries();
}
