#include "dialogs/MeshPagePanel.h"

#include "dialogs/DialogUnits.h"
#include "dialogs/SeriesEdit.h"
#include "sheets/CMesh.h"
#include "sheets/Mesh.h"

#include <wx/choice.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const int kPageWidth = 290;
const int kPageHeight = 160;

// Reads like the page's controls, but a refused value leaves the focus where the user put it:
// putting it back would make the box just left lose it again and ask once more.
class KeepFocus : public IDialogControls {
public:
    explicit KeepFocus(IDialogControls& controls) : m_controls(controls) {}
    std::string GetControlText(int id) const override { return m_controls.GetControlText(id); }
    void SetControlText(int id, const std::string& text) override { m_controls.SetControlText(id, text); }
    void FocusControl(int) override {}

private:
    IDialogControls& m_controls;
};

}  // namespace

struct CMeshPagePanel::Ids {
    const char* heading;
    int number, ratio, shift, firstExtra, secondExtra;
    const char* firstExtraLabel;
    const char* secondExtraLabel;
    int ratioParam, shiftParam;
    bool totals;
};

CMeshPagePanel::CMeshPagePanel(wxWindow* book, CCMesh& page) : CSheetPagePanel(book, page), m_pColumn(&page)
{
    CreateControls({"Please input the mesh infomation of this column", CCMesh::IDC_MESH_NUMBER,
                    CCMesh::IDC_MESH_RATIO, CCMesh::IDC_SHIFT_CENTER, CCMesh::IDC_EXTRA_LEFT, CCMesh::IDC_EXTRA_RIGHT,
                    "Extra_Mesh_Left", "Extra_Mesh_Right", CCMesh::kRatioParamId, CCMesh::kShiftCenterParamId, true});
}

CMeshPagePanel::CMeshPagePanel(wxWindow* book, CMesh& page) : CSheetPagePanel(book, page), m_pLayer(&page)
{
    CreateControls({"Please input the mesh infomation of this layer", CMesh::IDC_MESH_NUMBER, CMesh::IDC_MESH_RATIO,
                    CMesh::IDC_SHIFT_CENTER, CMesh::IDC_EXTRA_LOWER, CMesh::IDC_EXTRA_UPPER, "Extra_Mesh_Lower",
                    "Extra_Mesh_Upper", CMesh::kRatioParamId, CMesh::kShiftCenterParamId, false});
}

void CMeshPagePanel::CreateControls(const Ids& ids)
{
    const CDialogUnits du(this);
    new wxStaticText(this, wxID_ANY, ids.heading, du.Point(8, 6), du.Size(270, 9));
    const struct {
        const char* group;
        int id;
        int param;  // -1: a plain box
        int x;
    } boxes[] = {{"Mesh Number", ids.number, -1, 8}, {"Mesh Ratio", ids.ratio, ids.ratioParam, 100},
                 {"Shift Center (micron)", ids.shift, ids.shiftParam, 192}};
    for (const auto& b : boxes) {
        new wxStaticBox(this, wxID_ANY, b.group, du.Point(b.x, 20), du.Size(86, 34));
        wxTextCtrl* box = nullptr;
        if (b.param < 0) {
            box = new wxTextCtrl(this, b.id, "", du.Point(b.x + 8, 34), du.Size(70, 12));
        } else {
            auto* series = new CSeriesEdit(this, b.id, du.Point(b.x + 8, 34), du.Size(70, 12));
            series->SetParamId(b.param);
            box = series;
        }
        box->Bind(wxEVT_KILL_FOCUS, &CMeshPagePanel::OnKillFocus, this);
    }
    if (ids.totals) {
        new wxStaticBox(this, wxID_ANY, "Auto Mesh (Optional)", du.Point(8, 60), du.Size(178, 34));
        new wxStaticText(this, wxID_ANY, "Total_X_Mesh", du.Point(16, 76), du.Size(44, 9));
        new wxTextCtrl(this, CCMesh::IDC_TOTAL_X_MESH, "", du.Point(62, 74), du.Size(30, 12));
        new wxStaticText(this, wxID_ANY, "Total_Y_Mesh", du.Point(100, 76), du.Size(44, 9));
        new wxTextCtrl(this, CCMesh::IDC_TOTAL_Y_MESH, "", du.Point(146, 74), du.Size(30, 12));
        for (int id : {CCMesh::IDC_TOTAL_X_MESH, CCMesh::IDC_TOTAL_Y_MESH})
            FindWindow(id)->Bind(wxEVT_KILL_FOCUS, &CMeshPagePanel::OnKillFocus, this);
    }
    // The extra-mesh choices stay hidden.
    auto* group = new wxStaticBox(this, wxID_ANY, "Extra_Mesh", du.Point(8, 100), du.Size(178, 34));
    group->Hide();
    const wxString entries[] = {"yes", "no"};
    const struct {
        int id;
        const char* label;
        int x;
    } extras[] = {{ids.firstExtra, ids.firstExtraLabel, 16}, {ids.secondExtra, ids.secondExtraLabel, 100}};
    for (const auto& e : extras) {
        auto* label = new wxStaticText(this, wxID_ANY, e.label, du.Point(e.x, 112), du.Size(40, 9));
        auto* choice = new wxChoice(this, e.id, du.Point(e.x + 42, 110), du.Size(36, 40), 2, entries);
        choice->Bind(wxEVT_CHOICE, &CMeshPagePanel::OnCloseUp, this);
        label->Hide();
        choice->Hide();
    }
    SetMinSize(du.Size(kPageWidth, kPageHeight));
}

void CMeshPagePanel::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    // A message the reading shows takes the focus too: that loss is not the user's.
    if (m_bInKillFocus || !GetPage().IsInitialised())
        return;
    m_bInKillFocus = true;
    KeepFocus controls(*this);
    if (m_pColumn)
        m_pColumn->OnKillFocus(event.GetId(), controls);
    else
        m_pLayer->OnKillFocus(event.GetId(), controls);
    m_bInKillFocus = false;
}

void CMeshPagePanel::OnCloseUp(wxCommandEvent& event)
{
    const std::string text = event.GetString().ToStdString(wxConvUTF8);
    if (m_pColumn)
        m_pColumn->OnCloseUp(event.GetId(), text);
    else
        m_pLayer->OnCloseUp(event.GetId(), text);
}
