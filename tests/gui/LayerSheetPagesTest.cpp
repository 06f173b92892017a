// The grating, VCSEL and label pages of the layer property sheet in the running program: values
// set on them through Modify Layer survive a save and a reopen, the grating page draws the
// profile its distances describe, and OK without a change saves the same bytes.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "ScreenPixel.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/LayerGratingComposPanel.h"
#include "dialogs/SheetPagePanel.h"
#include "document/TessaronDoc.h"
#include "model/ProcessState.h"
#include "sheets/General.h"
#include "sheets/LayerGratingCompos.h"
#include "sheets/LayerLabelPosition.h"
#include "sheets/LayerVcsel.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/bookctrl.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>

#include <functional>

namespace {

using Grating = CLayerGratingCompos;
using Labels = CLayerLabelPosition;

std::string RidgeText() { return FileBytes(std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer"); }

// The ridge device without its "vcsel_section" statement: its layers name the type "dbr", which
// the document's type list then lacks.
std::string RidgeWithoutVcselTypes()
{
    std::string text = RidgeText();
    const size_t from = text.find("vcsel_section");
    const size_t to = text.find("layer_mater", from);
    text.erase(from, to - from);
    return text;
}

void Choose(wxChoice* choice, int selection)
{
    choice->SetSelection(selection);
    wxCommandEvent chosen(wxEVT_CHOICE, choice->GetId());
    chosen.SetEventObject(choice);
    chosen.SetInt(selection);
    choice->GetEventHandler()->ProcessEvent(chosen);
}

void Select(wxListBox* list, int selection)
{
    list->SetSelection(selection);
    wxCommandEvent chosen(wxEVT_LISTBOX, list->GetId());
    chosen.SetEventObject(list);
    chosen.SetInt(selection);
    list->GetEventHandler()->ProcessEvent(chosen);
}

// Shows a page of the sheet as a click on its tab does; its window, where the page's controls
// are found (pages share control ids).
wxWindow* ShowPage(CGeneralSheet& sheet, int pageIndex)
{
    CSheetPagePanel* panel = sheet.FindPagePanel(pageIndex);
    EXPECT_NE(panel, nullptr);
    sheet.GetBookCtrl()->SetSelection(sheet.GetBookCtrl()->FindPage(panel));
    PumpEvents(100);
    return panel;
}

// Whether the screen shows a dark pixel within one pixel of a point of a window.
bool DarkNear(wxWindow* window, wxPoint at)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const wxColour c = ScreenPixel(window->ClientToScreen(wxPoint(at.x + dx, at.y + dy)));
            if (c.Red() < 80 && c.Green() < 80 && c.Blue() < 80)
                return true;
        }
    return false;
}

class SheetPages : public ::testing::Test {
protected:
    void Open(const std::string& text)
    {
        path = work.Write("ridge.layer", text);
        ASSERT_TRUE(StartApp(tree, "brenvik", {"-2", path}));
        PumpEvents(300);
        doc = TestApp().GetDocument();
    }
    void TearDown() override { StopApp(); }

    // Modify Layer on layer (column, row) while `user` acts on the sheet; the user closes it.
    void Modify(int column, int row, std::function<void(CGeneralSheet&)> user)
    {
        doc->SetSelection(0, column, row);
        RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, user);
    }
    std::string Save()
    {
        Frame()->RunCommand(ID_FILE_SAVE);
        return work.Read("ridge.layer");
    }
    void Reopen()
    {
        prompts.ChooseFileNext(path);
        Frame()->RunCommand(ID_FILE_OPEN);
        doc = TestApp().GetDocument();
    }
    const CLayerRec& Layer(int column, int row) { return doc->m_ZSegments.at(0).GetColumn(column).GetLayer(row); }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    std::string path;
    CTessaronDoc* doc = nullptr;
};

}  // namespace

TEST_F(SheetPages, AGratingSetOnThePageIsDrawnSavedAndReadBack)
{
    Open(RidgeText());
    Modify(0, 0, [](CGeneralSheet& sheet) {
        wxWindow* page = ShowPage(sheet, CGeneral::GRATING_PAGE);
        EXPECT_EQ(sheet.GetBookCtrl()->GetPageText(sheet.GetBookCtrl()->GetSelection()), "DFB/DBR grating setting");
        EXPECT_FALSE(Control<wxTextCtrl>(page, Grating::IDC_HIGH)->IsEnabled());
        EXPECT_EQ(Text(page, Grating::IDC_COLUMN), "1");
        Tick(Control<wxCheckBox>(page, Grating::IDC_INPUT));
        EXPECT_TRUE(Control<wxTextCtrl>(page, Grating::IDC_HIGH)->IsEnabled());
        Type(page, Grating::IDC_HIGH, "0.3");
        Type(page, Grating::IDC_FALL, "0.1");
        Type(page, Grating::IDC_LOW, "0.3");
        Type(page, Grating::IDC_RISE, "0.1");
        Type(page, Grating::IDC_HI_MACRO, "gaas");
        Type(page, Grating::IDC_HI_ACTIVE_MACRO, "qw_gain");
        Type(page, Grating::IDC_LO_MACRO, "algaas");
        Type(page, Grating::IDC_LO_ACTIVE_MACRO, "qw_gain");
        wxChoice* loVar = Control<wxChoice>(page, Grating::IDC_LO_VAR_CHOICE);
        for (int slot : {2, 3, 4}) {
            Choose(loVar, slot);
            EXPECT_EQ(Text(page, Grating::IDC_LO_VAR), "-9999");
            Type(page, Grating::IDC_LO_VAR, slot == 2 ? "0.25" : slot == 3 ? "0.5" : "0.75");
        }
        Choose(Control<wxChoice>(page, Grating::IDC_ORDER), 1);

        // The profile: high level, fall, low level and rise where the distances put them.
        auto* panel = static_cast<CLayerGratingComposPanel*>(sheet.FindPagePanel(CGeneral::GRATING_PAGE));
        wxWindow* picture = panel->GetProfileWindow();
        sheet.Raise();
        PumpEvents(500);
        const wxSize size = picture->GetClientSize();
        const double distances[4] = {0.3, 0.1, 0.3, 0.1};
        const std::vector<Grating::Point> p = Grating::GetProfile(distances, size.x, size.y);
        ASSERT_EQ(p.size(), 5u);
        const auto mid = [](Grating::Point a, Grating::Point b) { return wxPoint((a.x + b.x) / 2, (a.y + b.y) / 2); };
        EXPECT_TRUE(DarkNear(picture, mid(p[0], p[1])));  // high
        EXPECT_TRUE(DarkNear(picture, mid(p[1], p[2])));  // fall
        EXPECT_TRUE(DarkNear(picture, mid(p[2], p[3])));  // low
        EXPECT_TRUE(DarkNear(picture, mid(p[3], p[4])));  // rise
        EXPECT_FALSE(DarkNear(picture, wxPoint(mid(p[0], p[1]).x, p[2].y)));  // nothing low under the high part
        EXPECT_FALSE(DarkNear(picture, wxPoint(mid(p[2], p[3]).x, p[0].y)));  // nothing high over the low part
        Click(&sheet, wxID_OK);
    });
    Save();
    Reopen();
    const CGratingComposRec& kept = Layer(0, 0).m_Grating;
    EXPECT_EQ(kept.m_nPresent, 1);
    EXPECT_EQ(kept.m_nColumn, 0);
    EXPECT_DOUBLE_EQ(kept.m_dHigh, 0.3);
    EXPECT_DOUBLE_EQ(kept.m_dFall, 0.1);
    EXPECT_DOUBLE_EQ(kept.m_dLow, 0.3);
    EXPECT_DOUBLE_EQ(kept.m_dRise, 0.1);
    EXPECT_EQ(kept.m_strHiMacro, "gaas");
    EXPECT_EQ(kept.m_strLoActiveMacro, "qw_gain");
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[2], 0.25);
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[3], 0.5);
    EXPECT_DOUBLE_EQ(kept.m_dLoVar[4], 0.75);
    EXPECT_EQ(kept.m_nGratingOrder, 2);
}

TEST_F(SheetPages, OkWithoutAChangeOnEachPageSavesTheSameBytes)
{
    Open(RidgeText());
    // The first save after an edit writes the device in the program's own form: that is the
    // reference.
    Modify(1, 2, [](CGeneralSheet& sheet) { Click(&sheet, wxID_OK); });
    const std::string before = Save();
    for (int page : {CGeneral::GRATING_PAGE, CGeneral::VCSEL_PAGE, CGeneral::LABEL_PAGE}) {
        // Layer (1, 2) has a grating, the VCSEL type "dbr" and a row label.
        Modify(1, 2, [page](CGeneralSheet& sheet) {
            ShowPage(sheet, page);
            Click(&sheet, wxID_OK);
        });
        EXPECT_EQ(Save(), before) << page;
    }
}

TEST_F(SheetPages, ALayerWhoseTypeTheListLacksKeepsItsValues)
{
    Open(RidgeWithoutVcselTypes());
    ASSERT_TRUE(doc->m_VcselSections.empty());
    Modify(0, 1, [](CGeneralSheet& sheet) { Click(&sheet, wxID_OK); });
    const std::string before = Save();
    const CVcselSection own = Layer(0, 1).m_Vcsel;
    const CVcselSection other = Layer(0, 0).m_Vcsel;
    Modify(0, 1, [](CGeneralSheet& sheet) {
        wxWindow* page = ShowPage(sheet, CGeneral::VCSEL_PAGE);
        EXPECT_TRUE(Control<wxCheckBox>(page, CLayerVcsel::IDC_INPUT_VCSEL)->GetValue());
        EXPECT_EQ(Text(page, CLayerVcsel::IDC_TYPE_NAME), "dbr");
        wxChoice* types = Control<wxChoice>(page, CLayerVcsel::IDC_TYPES);
        EXPECT_EQ(types->GetString(0), "No Vcsel Templet");
        EXPECT_EQ(types->GetSelection(), wxNOT_FOUND);
        Click(&sheet, wxID_OK);
    });
    EXPECT_TRUE(Layer(0, 1).m_Vcsel->IsSame(own));
    EXPECT_TRUE(Layer(0, 0).m_Vcsel->IsSame(other));
    EXPECT_EQ(Save(), before);
}

TEST_F(SheetPages, TheVcselPageShowsTheLayersTypeAmongTypesSharingAPrefix)
{
    std::string text = RidgeText();
    // A second type whose name begins with the layer's, listed first.
    text.insert(text.find("vcsel_section"), "vcsel_section vcsel_type=dbr2 grating_model=3layers active=yes\n");
    Open(text);
    ASSERT_EQ(doc->m_VcselSections.size(), 2u);
    Modify(0, 1, [](CGeneralSheet& sheet) {
        wxWindow* page = ShowPage(sheet, CGeneral::VCSEL_PAGE);
        EXPECT_EQ(Control<wxChoice>(page, CLayerVcsel::IDC_TYPES)->GetStringSelection(), "dbr");
        EXPECT_EQ(Control<wxChoice>(page, CLayerVcsel::IDC_GRATING_MODEL)->GetStringSelection(), "2layers");
        EXPECT_EQ(Control<wxChoice>(page, CLayerVcsel::IDC_ACTIVE)->GetStringSelection(), "no");
        EXPECT_EQ(Text(page, 2001), "3.5");
        EXPECT_EQ(Text(page, CLayerVcsel::IDC_SECTION_LOSS), "2.5");
        EXPECT_TRUE(Control<wxTextCtrl>(page, 2003)->IsEnabled());
        EXPECT_FALSE(Control<wxTextCtrl>(page, 2004)->IsEnabled());
        EXPECT_FALSE(Control<wxTextCtrl>(page, 2003)->IsEditable());
        Click(&sheet, wxID_CANCEL);
    });
}

TEST_F(SheetPages, LabelsAddedOnThePageComeBackInPlaceAndRepeatNoOtherLabel)
{
    Open(RidgeText());
    Modify(1, 1, [this](CGeneralSheet& sheet) {
        wxWindow* page = ShowPage(sheet, CGeneral::LABEL_PAGE);
        wxListBox* layers = Control<wxListBox>(page, Labels::IDC_LAYER_LIST);
        ASSERT_EQ(layers->GetCount(), 1u);
        EXPECT_EQ(layers->GetString(0), "Layer Label1");
        // A column label may not take the name of a row label of its own column.
        Type(page, Labels::IDC_COLUMN_NAME, "substrate");
        Choose(Control<wxChoice>(page, Labels::IDC_COLUMN_LOCATION), 1);
        prompts.AnswerNext(IDOK);
        Click(page, Labels::IDC_COLUMN_ADD);
        EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"substrate already exists!"});
        // The row's own label may be set again to its name, now at a distance from the top.
        Select(layers, 0);
        EXPECT_EQ(Text(page, Labels::IDC_LAYER_NAME), "clad");
        Choose(Control<wxChoice>(page, Labels::IDC_LAYER_LOCATION), 5);
        EXPECT_TRUE(Control<wxTextCtrl>(page, Labels::IDC_LAYER_DELTA)->IsEnabled());
        Type(page, Labels::IDC_LAYER_DELTA, "0.4");
        Click(page, Labels::IDC_LAYER_SET);
        Type(page, Labels::IDC_LAYER_NAME, "core_side");
        Choose(Control<wxChoice>(page, Labels::IDC_LAYER_LOCATION), 2);
        Click(page, Labels::IDC_LAYER_ADD);
        EXPECT_EQ(layers->GetCount(), 2u);
        Type(page, Labels::IDC_COLUMN_NAME, "gate");
        Choose(Control<wxChoice>(page, Labels::IDC_COLUMN_LOCATION), 4);
        Type(page, Labels::IDC_COLUMN_DELTA, "1.25");
        Click(page, Labels::IDC_COLUMN_ADD);
        EXPECT_EQ(Control<wxListBox>(page, Labels::IDC_COLUMN_LIST)->GetCount(), 2u);
        EXPECT_EQ(prompts.Texts().size(), 1u);
        Click(&sheet, wxID_OK);
    });
    Save();  // the duplicate-label report would show a message here
    Reopen();
    const auto texts = [](const std::vector<CLabelRec>& labels) {
        std::vector<std::string> out;
        for (const CLabelRec& label : labels)
            out.push_back(label.m_strText);
        return out;
    };
    EXPECT_EQ(texts(doc->m_ZSegments.at(0).GetColumn(1).m_Labels), (std::vector<std::string>{"trench", "gate"}));
    EXPECT_EQ(texts(Layer(0, 1).m_Labels), (std::vector<std::string>{"clad", "core_side"}));
    const CLabelRec& clad = Layer(0, 1).m_Labels.at(0);
    EXPECT_EQ(clad.m_nLocation, 4);
    EXPECT_DOUBLE_EQ(clad.m_dOffset, 0.4);
    EXPECT_EQ(Layer(0, 1).m_Labels.at(1).m_nLocation, 1);
    const CLabelRec& gate = doc->m_ZSegments.at(0).GetColumn(1).m_Labels.at(1);
    EXPECT_EQ(gate.m_nLocation, 3);
    EXPECT_DOUBLE_EQ(gate.m_dOffset, 1.25);
    EXPECT_EQ(prompts.Texts().size(), 1u);
}
