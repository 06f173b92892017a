#include "sheets/LayerLabelPosition.h"

#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "platform/NumberText.h"
#include "platform/StringUtil.h"
#include "platform/UserPrompts.h"
#include "sheets/DataExchange.h"
#include "sheets/LabelEditScope.h"

#include <algorithm>

namespace {

const char kSelectLocation[] = "Please select label type!";
const char kSetName[] = "Please set label name";
const char kNameTaken[] = "%s already exists!";
const char kSelectFirst[] = "Please select one label first!";
const char kSelectOne[] = "Please select one label!";

void Refuse(const std::string& message) { AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION); }

bool HasText(const std::vector<CLabelRec>& labels, const std::string& text, int leaveOut)
{
    for (int i = 0; i < static_cast<int>(labels.size()); ++i)
        if (i != leaveOut && labels[i].m_strText == text)
            return true;
    return false;
}

}  // namespace

const char* const CLayerLabelPosition::kLayerLocations[kLocationCount] = {
    "no_label", "top", "middle", "bottom", "delta_y_from_bottom", "delta_y_from_top"};
const char* const CLayerLabelPosition::kColumnLocations[kLocationCount] = {
    "no_label", "left", "middle", "right", "delta_x_from_left", "delta_x_from_right"};

void CLayerLabelPosition::SetLabels(const std::vector<CLabelRec>& layerLabels,
                                    const std::vector<CLabelRec>& columnLabels)
{
    m_LayerLabels = layerLabels;
    m_ColumnLabels = columnLabels;
}

void CLayerLabelPosition::GetLabels(std::vector<CLabelRec>& layerLabels, std::vector<CLabelRec>& columnLabels) const
{
    layerLabels = m_LayerLabels;
    columnLabels = m_ColumnLabels;
}

void CLayerLabelPosition::DoDataExchange(CDataExchange& dx)
{
    dx.Text(IDC_LAYER_NAME, m_strLayerName);
    dx.Text(IDC_LAYER_DELTA, m_dLayerDelta);
    dx.Text(IDC_COLUMN_NAME, m_strColumnName);
    dx.Text(IDC_COLUMN_DELTA, m_dColumnDelta);
}

std::vector<std::string> CLayerLabelPosition::ListCaptions(Kind kind) const
{
    const char* format = kind == LAYER_LABEL ? "Layer Label%d" : "Column Label%d";
    std::vector<std::string> captions;
    for (size_t i = 1; i <= Labels(kind).size(); ++i)
        captions.push_back(StrFormat(format, static_cast<int>(i)));
    return captions;
}

bool CLayerLabelPosition::IsDeltaEnabled(Kind kind) const { return Location(kind) >= kFirstDistanceLocation; }

bool CLayerLabelPosition::HasSelection(Kind kind) const
{
    return Selection(kind) >= 0 && Selection(kind) < static_cast<int>(Labels(kind).size());
}

void CLayerLabelPosition::OnSelChangeList(Kind kind, int index)
{
    Selection(kind) = index;
    if (!HasSelection(kind))
        return;
    const CLabelRec& label = Labels(kind)[index];
    Name(kind) = label.m_strText;
    Location(kind) = label.m_nLocation + 1;
    Delta(kind) = label.m_dOffset;
}

void CLayerLabelPosition::OnSelChangeLocation(Kind kind, int index) { Location(kind) = index; }

bool CLayerLabelPosition::MakeLabel(Kind kind, IDialogControls& controls, CLabelRec& label)
{
    if (!IsInitialised())
        return false;
    CDataExchange dx(controls, true);
    DoDataExchange(dx);
    if (dx.Failed())
        return false;
    const int location = Location(kind);
    if (location < 0 || location >= kLocationCount) {
        Refuse(kSelectLocation);
        return false;
    }
    label.m_strText = Name(kind);
    label.m_nLocation = location - 1;
    label.m_dOffset = location >= kFirstDistanceLocation ? Delta(kind) : kUnsetValue;
    if (label.m_strText.empty()) {
        Refuse(kSetName);
        return false;
    }
    return true;
}

bool CLayerLabelPosition::OnAddLabel(Kind kind, IDialogControls& controls)
{
    CLabelRec label;
    if (!MakeLabel(kind, controls, label))
        return false;
    if (!IsLabelNameFree(kind, label.m_strText, true)) {
        Refuse(StrFormat(kNameTaken, label.m_strText.c_str()));
        return false;
    }
    Labels(kind).push_back(label);
    Selection(kind) = -1;  // the list is filled again, without a selection
    return true;
}

bool CLayerLabelPosition::OnSetLabel(Kind kind, IDialogControls& controls)
{
    if (!HasSelection(kind)) {
        Refuse(kSelectFirst);
        return false;
    }
    CLabelRec label;
    if (!MakeLabel(kind, controls, label))
        return false;
    if (!IsLabelNameFree(kind, label.m_strText, false)) {
        Refuse(StrFormat(kNameTaken, label.m_strText.c_str()));
        return false;
    }
    Labels(kind)[Selection(kind)] = label;
    return true;
}

bool CLayerLabelPosition::OnRemoveLabel(Kind kind)
{
    if (!HasSelection(kind)) {
        Refuse(kSelectOne);
        return false;
    }
    Labels(kind).erase(Labels(kind).begin() + Selection(kind));
    Selection(kind) = -1;
    return true;
}

bool CLayerLabelPosition::IsNameUnusedInPage(const std::string& name) const
{
    return !HasText(m_LayerLabels, name, -1) && !HasText(m_ColumnLabels, name, -1);
}

bool CLayerLabelPosition::IsLabelNameFree(Kind kind, const std::string& name, bool checkAll) const
{
    if (checkAll && !IsNameUnusedInPage(name))
        return false;
    // The label being set may keep its own name.
    if (HasText(m_LayerLabels, name, kind == LAYER_LABEL ? m_nLayerSelection : -1) ||
        HasText(m_ColumnLabels, name, kind == COLUMN_LABEL ? m_nColumnSelection : -1))
        return false;
    return IsStoredNameFree(name);
}

bool CLayerLabelPosition::IsStoredNameFree(const std::string& name) const
{
    if (g_nCurZSeg == 0 || !m_pDoc)
        return true;
    const CZSegment* current = m_pDoc->GetCurrentZSegment();
    if (!current)
        return true;
    const CLabelEditScope scope =
        CLabelEditScope::ForEdit(g_nLayerEditMode, g_nCurZSeg - 1, current->m_nSelectedColumn, current->m_nSelectedRow);
    return scope.IsNameFree(*m_pDoc, name);
}
