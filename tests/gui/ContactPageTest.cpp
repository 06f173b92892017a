// The Contact page in the running program, under real mouse and keyboard input: a value typed into
// the grid and OK pressed at once is saved, a number the page cannot read is refused with the cell
// named and the user kept on the page, contacts removed and added save and read back as edited, and
// a visit without edits saves the same bytes, in the layer builder and in the 3-D editor.

#include "AppHarness.h"
#include "CommandIds.h"
#include "ModalWindow.h"
#include "SheetInput.h"
#include "app/MainFrame.h"
#include "dialogs/GeneralSheet.h"
#include "dialogs/GridCtrlWnd.h"
#include "dialogs/LayerContactPanel.h"
#include "document/TessaronDoc.h"
#include "sheets/General.h"
#include "sheets/LayerContact.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <functional>

namespace {

std::string FixtureText() { return FileBytes(std::string(TESSARON_FIXTURES) + "/layer/contacts_full.layer"); }

struct Program {
    const char* name;
    const char* flag;
};

void PrintTo(const Program& p, std::ostream* os) { *os << p.name; }

class ContactSheet : public ::testing::TestWithParam<Program> {
protected:
    void SetUp() override
    {
        // The 3-D editor notes that it saves a ".layer" file as such.
        prompts.AllowUnscripted();
        path = work.Write("device.layer", FixtureText());
        ASSERT_TRUE(StartApp(tree, GetParam().name, {GetParam().flag, path}));
        PumpEvents(300);
        doc = TestApp().GetDocument();
    }
    void TearDown() override { StopApp(); }

    // Modify Layer on the third row of column 1 while `user` acts on the sheet; the user closes it.
    void ModifyThirdRow(std::function<void(CGeneralSheet&)> user)
    {
        doc->SetSelection(0, 0, 2);
        RunWithModal<CGeneralSheet>(ID_LAYER_MODIFY, user);
    }
    std::string Save()
    {
        Frame()->RunCommand(ID_FILE_SAVE);
        return work.Read("device.layer");
    }
    // Shows the Contact page as a click on its tab does; its grid window.
    CGridCtrlWnd* ShowContactPage(CGeneralSheet& sheet)
    {
        ShowTab(sheet, "Contact");
        PumpEvents(200);
        panel = dynamic_cast<CLayerContactPanel*>(sheet.FindPagePanel(CGeneral::CONTACT_PAGE));
        EXPECT_NE(panel, nullptr);
        grid = panel ? panel->GetGridWindow() : nullptr;
        EXPECT_NE(grid, nullptr);
        return grid;
    }
    // Scrolls the cell into view, as the user does, and clicks it.
    void ClickCell(int row, int col)
    {
        grid->Grid().EnsureVisible(row, col);
        grid->Update();
        PumpEvents(100);
        CGridRect rect;
        ASSERT_TRUE(grid->Grid().GetCellRect(row, col, rect)) << row << " " << col;
        sim.MouseMove(grid->ClientToScreen(wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2)));
        PumpEvents(50);
        sim.MouseClick();
        PumpEvents(700);   // longer than a double click
    }
    void TypeKeys(const std::string& text)
    {
        for (char c : text) {
            sim.Char(c);
            PumpEvents(100);
        }
    }
    // A cell edited as a user does: clicked, typed into, and Enter.
    void Enter(int row, int col, const std::string& text)
    {
        ClickCell(row, col);
        TypeKeys(text);
        sim.Char(WXK_RETURN);
        PumpEvents(300);
    }
    std::string Cell(int row, int col) const { return grid->Grid().GetItemText(row, col); }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const std::string& text : prompts.Texts())
            if (text.find("save type") == std::string::npos)
                texts.push_back(text);
        return texts;
    }

    AppTree tree;
    TempFolder work;
    ScriptedPrompts prompts;
    std::string path;
    CTessaronDoc* doc = nullptr;
    CLayerContactPanel* panel = nullptr;
    CGridCtrlWnd* grid = nullptr;
    wxUIActionSimulator sim;
};

}  // namespace

TEST_P(ContactSheet, AVisitWithoutEditsSavesTheSameBytes)
{
    const std::string before = Save();
    ModifyThirdRow([&](CGeneralSheet& sheet) {
        ShowContactPage(sheet);
        EXPECT_EQ(Cell(20, CLayerContact::NUM), "2");
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(doc->m_nContactUpdateMode, -1);
    EXPECT_EQ(Save(), before);
    EXPECT_TRUE(Messages().empty());
}

TEST_P(ContactSheet, AValueTypedAndOkPressedAtOnceIsSaved)
{
    ModifyThirdRow([&](CGeneralSheet& sheet) {
        ShowContactPage(sheet);
        ClickCell(1, CLayerContact::TO);
        TypeKeys("0.45");
        ASSERT_NE(grid->GetEditor(), nullptr) << "the cell is still being edited";
        Click(&sheet, wxID_OK);
    });
    EXPECT_EQ(doc->m_ZSegments[0].GetColumn(0).m_Contacts.Bottom(0).m_fTo, 0.45f);
    EXPECT_NE(JoinedStatements(Save()).find("bottom_contact column_num=1 from=0 to=0.45 contact_num=1"), std::string::npos);
    EXPECT_TRUE(Messages().empty());
}

TEST_P(ContactSheet, ADecimalCommaIsRefusedNamingItsCell)
{
    const std::string before = Save();
    ModifyThirdRow([&](CGeneralSheet& sheet) {
        ShowContactPage(sheet);
        Enter(2, CLayerContact::FROM, "1,5");
        EXPECT_EQ(Cell(2, CLayerContact::FROM), "1,5");
        Click(&sheet, wxID_OK);
        EXPECT_TRUE(sheet.IsModal()) << "the sheet stays open";
        EXPECT_EQ(Messages(), std::vector<std::string>{"The From value \"1,5\" at line 2 is not a number."});
        // Another page cannot be chosen either; the text stays for the user to mend.
        ShowTab(sheet, "Doping");
        PumpEvents(200);
        EXPECT_EQ(sheet.GetBookCtrl()->GetCurrentPage(), panel);
        EXPECT_EQ(Messages().size(), 2u);
        EXPECT_EQ(Cell(2, CLayerContact::FROM), "1,5");
        Click(&sheet, wxID_CANCEL);
    });
    EXPECT_EQ(Save(), before);
}

TEST_P(ContactSheet, ContactsRemovedAndAddedSaveAndReopenAsEdited)
{
    ModifyThirdRow([&](CGeneralSheet& sheet) {
        ShowContactPage(sheet);
        ClickCell(17, CLayerContact::NUM);   // the first side contact, number 21
        Click(panel, CLayerContact::IDC_REMOVE);
        PumpEvents(200);
        EXPECT_EQ(Cell(17, CLayerContact::NUM), "22");
        EXPECT_EQ(Cell(20, CLayerContact::NUM), "");
        Enter(20, CLayerContact::NUM, "12");
        Enter(20, CLayerContact::SIDE, "left");
        Enter(20, CLayerContact::FROM, "0.65");
        Enter(20, CLayerContact::TO, "0.75");
        Enter(20, CLayerContact::TYPE, "ohmic");
        EXPECT_EQ(Cell(20, CLayerContact::SIDE), "left");
        Click(&sheet, wxID_OK);
    });
    EXPECT_TRUE(Messages().empty());
    Save();
    prompts.ChooseFileNext(path);
    ASSERT_TRUE(Frame()->RunCommand(ID_FILE_OPEN));
    doc = TestApp().GetDocument();
    std::vector<CContactRec> sides;
    for (const CContactList& group : doc->m_ZSegments[0].m_SideContacts)
        if (group.m_nRow == 2)
            sides.insert(sides.end(), group.m_Contacts.begin(), group.m_Contacts.end());
    ASSERT_EQ(sides.size(), 4u);
    EXPECT_EQ(sides[0].m_nContactNum, 22);
    EXPECT_EQ(sides[3].m_nContactNum, 12);
    EXPECT_EQ(sides[3].m_nSide, 0);
    EXPECT_FLOAT_EQ(sides[3].m_fTo, 0.75f);
    // Number 12 is also the fourth top range's, which stands higher in the grid: the new contact
    // takes its type and barrier.
    EXPECT_EQ(sides[3].m_strType, "schottky");
    EXPECT_DOUBLE_EQ(sides[3].m_dBarrier, 0.6);
}

INSTANTIATE_TEST_SUITE_P(BothModes, ContactSheet,
                         ::testing::Values(Program{"brenvik", "-2"}, Program{"tessaron", "-3"}));
