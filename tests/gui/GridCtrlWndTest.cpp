// The grid control's window under real input: a click focuses and frames a cell, typing edits it
// in place, the arrow keys move the focus and Shift extends the selection, Ctrl+C and Ctrl+V copy
// and paste through the clipboard (also with another program, xclip), a right click on a value
// offers the series; what the window draws is read back from the screen. A filled grid prints to
// a PostScript file with its headings and every cell text.

#include "AppHarness.h"
#include "ScreenPixel.h"
#include "dialogs/GridCtrlWnd.h"
#include "dialogs/GridPrintout.h"
#include "model/ProcessState.h"
#include "model/SeriesGridCell.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/cmndata.h>
#include <wx/combobox.h>
#include <wx/dcps.h>
#include <wx/frame.h>
#include <wx/process.h>
#include <wx/settings.h>
#include <wx/stopwatch.h>
#include <wx/stream.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr int kWidth = 70, kHeight = 24;
const wxColour kCellBack(255, 255, 240);

class GridWindow : public ::testing::Test {
protected:
    CGridCtrl grid{9, 5, 1, 1};
    wxFrame* frame = nullptr;
    CGridCtrlWnd* window = nullptr;
    wxUIActionSimulator sim;
    std::vector<int> codes;   // the notifications the parent saw

    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "Contacts", wxPoint(30, 30), wxSize(460, 320));
        window = new CGridCtrlWnd(frame, 100, wxRect(10, 10, 420, 260), grid);
        grid.m_bEditEnabled = true;
        grid.m_crCellBack = GridRgb(255, 255, 240);
        for (int c = 0; c < 5; ++c)
            grid.SetColumnWidth(c, kWidth);
        for (int r = 0; r < 9; ++r)
            grid.SetRowHeight(r, kHeight);
        const char* headings[] = {"Num", "Side", "From", "To", "Type"};
        for (int c = 0; c < 5; ++c)
            grid.SetItemText(0, c, headings[c]);
        for (int r = 1; r < 9; ++r)
            grid.SetItemText(r, 0, std::to_string(r));
        grid.ResetScrollBars();
        frame->Bind(EVT_GRID_NOTIFY, [this](CGridNotifyEvent& e) { codes.push_back(e.GetCode()); });
        frame->Show();
        frame->Raise();
        PumpEvents(300);
        window->SetFocus();
        PumpEvents(100);
    }
    void TearDown() override
    {
        frame->Hide();
        frame->Destroy();
        PumpEvents(100);
    }

    // The middle of a cell on the screen, while nothing is scrolled.
    wxPoint Screen(int row, int col, int dx = kWidth / 2, int dy = kHeight / 2)
    {
        return window->ClientToScreen(wxPoint(col * kWidth + dx, row * kHeight + dy));
    }
    void ClickCell(int row, int col, int modifiers = wxMOD_NONE)
    {
        sim.MouseMove(Screen(row, col));
        PumpEvents(50);
        if (modifiers & wxMOD_SHIFT)
            sim.KeyDown(WXK_SHIFT);
        if (modifiers & wxMOD_CONTROL)
            sim.KeyDown(WXK_CONTROL);
        sim.MouseClick();
        if (modifiers & wxMOD_CONTROL)
            sim.KeyUp(WXK_CONTROL);
        if (modifiers & wxMOD_SHIFT)
            sim.KeyUp(WXK_SHIFT);
        PumpEvents(700);   // longer than a double click
    }
    void Key(int key, int modifiers = wxMOD_NONE)
    {
        sim.Char(key, modifiers);
        PumpEvents(150);
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            Key(c);
    }
    wxColour Pixel(int row, int col, int dx, int dy) { return ScreenPixel(Screen(row, col, dx, dy)); }
    // Whether anything but the background is drawn inside the cell (its text).
    bool HasInk(int row, int col, const wxColour& background)
    {
        const wxPoint topLeft = Screen(row, col, 3, 3);
        const std::vector<unsigned char> rgb = ScreenRect(topLeft, wxSize(kWidth - 6, kHeight - 6));
        for (size_t i = 0; i + 2 < rgb.size(); i += 3)
            if (wxColour(rgb[i], rgb[i + 1], rgb[i + 2]) != background)
                return true;
        return false;
    }
};

// Runs a command while the event loop runs, so that the grid can serve the clipboard to it; its
// standard output.
std::string RunPumping(const wxString& command)
{
    wxProcess process;
    process.Redirect();
    bool done = false;
    process.Bind(wxEVT_END_PROCESS, [&done](wxProcessEvent&) { done = true; });
    if (wxExecute(command, wxEXEC_ASYNC, &process) <= 0)
        return "(not started)";
    std::string out;
    const auto read = [&] {
        while (process.IsInputAvailable()) {
            const int c = process.GetInputStream()->GetC();
            if (process.GetInputStream()->LastRead() == 0)
                break;
            out += char(c);
        }
    };
    wxStopWatch watch;
    while (!done && watch.Time() < 5000) {
        PumpEvents(20);
        read();
    }
    read();
    return out;
}

}  // namespace

TEST_F(GridWindow, AClickFocusesAndFramesACellAndTheArrowsMoveTheFocus)
{
    ClickCell(2, 2);
    EXPECT_EQ(grid.GetFocusCell(), (CCellId{2, 2}));
    EXPECT_EQ(Pixel(2, 2, 0, kHeight / 2), *wxBLACK) << "the focus frame";
    EXPECT_EQ(Pixel(2, 2, kWidth / 2, kHeight / 2), kCellBack) << "inside the frame";
    EXPECT_EQ(Pixel(3, 3, kWidth / 2, kHeight / 2), kCellBack) << "a cell not selected";
    EXPECT_EQ(Pixel(0, 2, kWidth / 2, 2), wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE)) << "its heading";
    EXPECT_TRUE(HasInk(0, 2, wxSystemSettings::GetColour(wxSYS_COLOUR_3DFACE))) << "the heading's text";

    Key(WXK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), (CCellId{3, 2}));
    EXPECT_EQ(Pixel(2, 2, 0, kHeight / 2), kCellBack) << "the old cell: no frame";
    EXPECT_EQ(Pixel(2, 2, -1, kHeight / 2), wxColour(192, 192, 192)) << "the grid line left of it";
    Key(WXK_RIGHT);
    Key(WXK_DOWN, wxMOD_SHIFT);
    EXPECT_EQ(grid.GetFocusCell(), (CCellId{4, 3}));
    EXPECT_EQ(grid.GetSelectionBounds(), (CCellRange{3, 3, 4, 3}));
    EXPECT_EQ(Pixel(3, 3, kWidth / 2, kHeight / 2), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT))
        << "a selected cell that is not the focus";
    EXPECT_EQ(Pixel(4, 3, 0, kHeight / 2), *wxBLACK);
}

TEST_F(GridWindow, TypingEditsTheCellInPlaceAndEnterKeepsTheText)
{
    ClickCell(2, 2);
    codes.clear();
    Type("75");
    ASSERT_NE(window->GetEditor(), nullptr) << "an editor over the cell";
    Key(WXK_RETURN);
    PumpEvents(200);
    EXPECT_EQ(window->GetEditor(), nullptr);
    EXPECT_EQ(grid.GetItemText(2, 2), "75");
    EXPECT_TRUE(grid.GetItemState(2, 2) & GVIS_MODIFIED);
    EXPECT_EQ(codes.front(), GVN_BEGINLABELEDIT);
    EXPECT_NE(std::find(codes.begin(), codes.end(), GVN_ENDLABELEDIT), codes.end());
    EXPECT_TRUE(HasInk(2, 2, kCellBack)) << "the new text is drawn";

    // Tab carries the edit on to the next cell; Escape there puts its text back.
    Type("9");
    Key(WXK_TAB);
    PumpEvents(200);
    EXPECT_EQ(grid.GetItemText(2, 2), "9");
    EXPECT_EQ(grid.GetFocusCell(), (CCellId{2, 3}));
    ASSERT_NE(window->GetEditor(), nullptr);
    Type("x");
    Key(WXK_ESCAPE);
    PumpEvents(200);
    EXPECT_EQ(grid.GetItemText(2, 3), "");
    EXPECT_EQ(window->GetEditor(), nullptr);
}

TEST_F(GridWindow, ADoubleClickOnAColumnWithChoicesOpensItsList)
{
    grid.SetCellOptions(4, {"ohmic", "schottky"});
    grid.SetItemText(2, 4, "s");
    sim.MouseMove(Screen(2, 4));
    PumpEvents(50);
    sim.MouseDblClick();
    PumpEvents(300);
    auto* list = dynamic_cast<wxComboBox*>(window->GetEditor());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetValue(), "schottky");
    EXPECT_GE(list->GetSize().x, kWidth);
    window->SetFocus();
    PumpEvents(200);
    EXPECT_EQ(grid.GetItemText(2, 4), "schottky");
}

TEST_F(GridWindow, CtrlCAndCtrlVCopyAndPasteThroughTheClipboard)
{
    grid.SetItemText(1, 1, "a");
    grid.SetItemText(1, 2, "b");
    ClickCell(1, 1);
    ClickCell(1, 2, wxMOD_SHIFT);
    Key('C', wxMOD_CONTROL);
    ClickCell(5, 3);
    Key('V', wxMOD_CONTROL);
    EXPECT_EQ(grid.GetItemText(5, 3), "a");
    EXPECT_EQ(grid.GetItemText(5, 4), "b");
    EXPECT_TRUE(HasInk(5, 4, kCellBack));
}

TEST_F(GridWindow, AClipboardRoundTripWithAnotherProgram)
{
    ASSERT_EQ(std::system("printf 'x1\\r\\ny1\\r\\n' | xclip -selection clipboard -i"), 0) << "xclip is needed";
    PumpEvents(200);
    ClickCell(6, 1);
    Key('V', wxMOD_CONTROL);
    EXPECT_EQ(grid.GetItemText(6, 1), "x1");
    EXPECT_EQ(grid.GetItemText(7, 1), "y1");
    EXPECT_EQ(grid.GetItemText(8, 1), "") << "the empty rest after the last line end writes nothing";

    ClickCell(6, 1);
    ClickCell(7, 2, wxMOD_SHIFT);
    Key('C', wxMOD_CONTROL);
    EXPECT_EQ(RunPumping("xclip -selection clipboard -o"), "x1\t \ny1\t ");
}

TEST_F(GridWindow, ARightClickOnAValueOffersTheSeriesForIt)
{
    ResetProcessState();
    grid.SetItemText(3, 2, "1.5");
    grid.SetItemAttributes(3, 2, CSeriesTarget{0, 1, 2, 0, 1.5, "top_contact"});
    sim.MouseMove(Screen(3, 2));
    PumpEvents(50);
    wxTimer dismiss;
    dismiss.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { sim.Char(WXK_ESCAPE); });
    dismiss.StartOnce(300);
    sim.MouseClick(wxMOUSE_BTN_RIGHT);
    PumpEvents(800);
    EXPECT_EQ(g_nSeriesParamId, 200);
    EXPECT_EQ(g_SeriesGridCell.m_strKeyword, "top_contact");
    EXPECT_EQ(g_SeriesGridCell.m_dValue, 1.5);
    ResetProcessState();
}

TEST_F(GridWindow, AFilledGridPrintsItsHeadingsAndEveryCellToAPostScriptFile)
{
    for (int r = 1; r < 9; ++r)
        for (int c = 1; c < 5; ++c)
            grid.SetItemText(r, c, "v" + std::to_string(r) + std::to_string(c));
    TempFolder folder;
    const std::string path = folder.Path() + "/grid.ps";
    wxPrintData data;
    data.SetFilename(path);
    data.SetPrintMode(wxPRINT_MODE_FILE);
    wxPostScriptDC dc(data);
    ASSERT_TRUE(dc.IsOk());
    CGridPrintout printout(grid, window);
    printout.SetDC(&dc);
    printout.SetPPIPrinter(dc.GetPPI().x, dc.GetPPI().y);
    printout.OnPreparePrinting();
    printout.OnBeginPrinting();
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_EQ(maxPage, 1) << "every row fits on one page";
    ASSERT_TRUE(dc.StartDoc("grid"));
    printout.OnBeginDocument(1, maxPage);
    dc.StartPage();
    EXPECT_TRUE(printout.OnPrintPage(1));
    dc.EndPage();
    printout.OnEndDocument();
    dc.EndDoc();
    printout.OnEndPrinting();

    std::ifstream in(path);
    std::stringstream ps;
    ps << in.rdbuf();
    const std::string text = ps.str();
    for (const char* heading : {"Num", "Side", "From", "To", "Type", "Contacts", "Page 1 of 1"})
        EXPECT_NE(text.find(std::string("(") + heading + ")"), std::string::npos) << heading;
    for (int r = 1; r < 9; ++r) {
        EXPECT_NE(text.find("(" + std::to_string(r) + ")"), std::string::npos) << "row heading " << r;
        for (int c = 1; c < 5; ++c) {
            const std::string cell = "(v" + std::to_string(r) + std::to_string(c) + ")";
            EXPECT_NE(text.find(cell), std::string::npos) << cell;
        }
    }
}
