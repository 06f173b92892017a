#include "dialogs/LayerLabelPositionPanel.h"

#include "dialogs/DialogUnits.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

using Labels = CLayerLabelPosition;

const int kPageWidth = 340;
const int kPageHeight = 150;
const int kSideWidth = 164;

// The controls of one side by their ids.
struct SideIds {
    const char* group;
    int groupId;
    int list;
    int name;
    int location;
    int delta;
    int add;
    int remove;
    int set;
    const char* const* locations;
};

const SideIds kSides[2] = {
    {"Layer Label", Labels::IDC_LAYER_GROUP, Labels::IDC_LAYER_LIST, Labels::IDC_LAYER_NAME, Labels::IDC_LAYER_LOCATION,
     Labels::IDC_LAYER_DELTA, Labels::IDC_LAYER_ADD, Labels::IDC_LAYER_REMOVE, Labels::IDC_LAYER_SET,
     Labels::kLayerLocations},
    {"Column Label", Labels::IDC_COLUMN_GROUP, Labels::IDC_COLUMN_LIST, Labels::IDC_COLUMN_NAME,
     Labels::IDC_COLUMN_LOCATION, Labels::IDC_COLUMN_DELTA, Labels::IDC_COLUMN_ADD, Labels::IDC_COLUMN_REMOVE,
     Labels::IDC_COLUMN_SET, Labels::kColumnLocations},
};

}  // namespace

CLayerLabelPositionPanel::CLayerLabelPositionPanel(wxWindow* book, CLayerLabelPosition& page)
    : CSheetPagePanel(book, page), m_labels(page)
{
    CreateSide(Labels::LAYER_LABEL, 4);
    CreateSide(Labels::COLUMN_LABEL, 4 + kSideWidth + 8);
    SetMinSize(CDialogUnits(this).Size(kPageWidth, kPageHeight));
}

void CLayerLabelPositionPanel::CreateSide(CLayerLabelPosition::Kind kind, int x)
{
    const CDialogUnits du(this);
    const SideIds& ids = kSides[kind];
    new wxStaticBox(this, ids.groupId, ids.group, du.Point(x, 2), du.Size(kSideWidth, 144));
    new wxStaticText(this, wxID_ANY, "Click to select one label", du.Point(x + 6, 14), du.Size(90, 9));
    SideControls& side = m_side[kind];
    side.list = new wxListBox(this, ids.list, du.Point(x + 6, 26), du.Size(72, 112), 0, nullptr, wxLB_SINGLE);
    side.list->Bind(wxEVT_LISTBOX, &CLayerLabelPositionPanel::OnListSelection, this);

    const int right = x + 84;
    new wxStaticText(this, wxID_ANY, "Label:", du.Point(right, 28), du.Size(30, 9));
    new wxTextCtrl(this, ids.name, wxEmptyString, du.Point(right, 38), du.Size(74, 12));
    new wxStaticText(this, wxID_ANY, "Location:", du.Point(right, 54), du.Size(34, 9));
    wxArrayString locations;
    for (int i = 0; i < Labels::kLocationCount; ++i)
        locations.Add(ids.locations[i]);
    side.location = new wxChoice(this, ids.location, du.Point(right, 64), du.Size(74, 14), locations);
    side.location->Bind(wxEVT_CHOICE, &CLayerLabelPositionPanel::OnLocation, this);
    new wxTextCtrl(this, ids.delta, wxEmptyString, du.Point(right, 82), du.Size(74, 12));
    side.deltaId = ids.delta;

    const struct {
        int id;
        const char* label;
        void (CLayerLabelPositionPanel::*handler)(wxCommandEvent&);
        int y;
    } buttons[] = {{ids.add, "<=Add", &CLayerLabelPositionPanel::OnAdd, 100},
                   {ids.remove, "Remove=>", &CLayerLabelPositionPanel::OnRemove, 116},
                   {ids.set, "<=Set", &CLayerLabelPositionPanel::OnSet, 132}};
    for (const auto& b : buttons) {
        auto* button = new wxButton(this, b.id, b.label, du.Point(right, b.y - 2), du.Size(50, 13));
        button->Bind(wxEVT_BUTTON, b.handler, this);
    }
}

CLayerLabelPosition::Kind CLayerLabelPositionPanel::KindOf(int controlId) const
{
    const SideIds& column = kSides[Labels::COLUMN_LABEL];
    for (int id : {column.list, column.location, column.add, column.remove, column.set})
        if (id == controlId)
            return Labels::COLUMN_LABEL;
    return Labels::LAYER_LABEL;
}

void CLayerLabelPositionPanel::OnInitPage()
{
    FillList(Labels::LAYER_LABEL);
    FillList(Labels::COLUMN_LABEL);
}

void CLayerLabelPositionPanel::FillList(CLayerLabelPosition::Kind kind)
{
    wxListBox* list = m_side[kind].list;
    list->Clear();
    for (const std::string& caption : m_labels.ListCaptions(kind))
        list->Append(wxString::FromUTF8(caption));
}

void CLayerLabelPositionPanel::ShowValues()
{
    CSheetPagePanel::ShowValues();
    for (CLayerLabelPosition::Kind kind : {Labels::LAYER_LABEL, Labels::COLUMN_LABEL}) {
        const int selection = kind == Labels::LAYER_LABEL ? m_labels.m_nLayerSelection : m_labels.m_nColumnSelection;
        const int location = kind == Labels::LAYER_LABEL ? m_labels.m_nLayerLocation : m_labels.m_nColumnLocation;
        wxListBox* list = m_side[kind].list;
        if (selection >= 0 && selection < static_cast<int>(list->GetCount()))
            list->SetSelection(selection);
        else
            list->SetSelection(wxNOT_FOUND);
        m_side[kind].location->SetSelection(location >= 0 && location < Labels::kLocationCount ? location : wxNOT_FOUND);
    }
}

void CLayerLabelPositionPanel::UpdateDeltaEnable(CLayerLabelPosition::Kind kind)
{
    FindWindow(m_side[kind].deltaId)->Enable(m_labels.IsDeltaEnabled(kind));
}

void CLayerLabelPositionPanel::OnListSelection(wxCommandEvent& event)
{
    const CLayerLabelPosition::Kind kind = KindOf(event.GetId());
    m_labels.OnSelChangeList(kind, m_side[kind].list->GetSelection());
    ShowValues();
    UpdateDeltaEnable(kind);
}

void CLayerLabelPositionPanel::OnLocation(wxCommandEvent& event)
{
    const CLayerLabelPosition::Kind kind = KindOf(event.GetId());
    m_labels.OnSelChangeLocation(kind, m_side[kind].location->GetSelection());
    UpdateDeltaEnable(kind);
}

void CLayerLabelPositionPanel::OnAdd(wxCommandEvent& event)
{
    const CLayerLabelPosition::Kind kind = KindOf(event.GetId());
    if (m_labels.OnAddLabel(kind, *this))
        FillList(kind);
}

void CLayerLabelPositionPanel::OnRemove(wxCommandEvent& event)
{
    const CLayerLabelPosition::Kind kind = KindOf(event.GetId());
    if (m_labels.OnRemoveLabel(kind))
        FillList(kind);
}

void CLayerLabelPositionPanel::OnSet(wxCommandEvent& event) { m_labels.OnSetLabel(KindOf(event.GetId()), *this); }
