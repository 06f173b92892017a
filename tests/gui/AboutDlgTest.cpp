// Help/About: the About box of the mode with its picture and the version texts of the build.

#include "AppHarness.h"
#include "ModalWindow.h"
#include "ScreenPixel.h"
#include "CommandIds.h"
#include "PictureResources.h"
#include "support/ScriptedPrompts.h"
#include "app/AboutDlg.h"
#include "app/MainFrame.h"
#include "platform/VersionInfo.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>

namespace {

// Runs Help/About; `inspect` sees the box once it is up and painted, then `closeKey` is pressed
// on it. False when no box came up or the key did not close it (it is then closed with OK).
bool RunAboutCommand(const std::function<void(CAboutDlg&)>& inspect, int closeKey)
{
    int ticks = 0;
    bool closedByKey = false;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        CAboutDlg* about = OpenModal<CAboutDlg>();
        if (!about)
            return;
        // One tick to let the box paint itself, the next to look at it and press the key.
        switch (++ticks) {
        case 1:
            about->Refresh();
            break;
        case 2: {
            inspect(*about);
            // Without a window manager the keyboard follows the pointer.
            wxUIActionSimulator sim;
            sim.MouseMove(about->GetScreenRect().GetTopLeft() + wxPoint(20, 20));
            wxTheApp->Yield(true);
            about->GetDefaultItem()->SetFocus();
            sim.Char(closeKey);
            closedByKey = true;
            break;
        }
        default:
            closedByKey = false;
            about->EndModal(wxID_OK);
            break;
        }
    });
    timer.Start(300);
    Frame()->RunCommand(ID_APP_ABOUT);
    timer.Stop();
    return closedByKey;
}

std::string Version(const char* key)
{
    std::string value;
    EXPECT_TRUE(CVersionInfo::QueryValue(key, value)) << key;
    return value;
}

// The box's size and its controls' places and sizes, in the dialog units of its layout.
void CheckAboutLayout()
{
    // A box of its own, gone before its owner frame is.
    CAboutDlg about;
    ASSERT_TRUE(about.Create(Frame()));
    EXPECT_EQ(about.GetClientSize(), about.ConvertDialogToPixels(wxSize(256, 128)));
    const struct {
        int id;
        wxPoint position;
        wxSize size;
    } controls[] = {
        {CAboutDlg::IDC_PRODUCT_NAME, {166, 13}, {46, 8}},   {CAboutDlg::IDC_PRODUCT_VERSION, {206, 13}, {50, 8}},
        {CAboutDlg::IDC_PRIVATE_BUILD, {165, 30}, {33, 8}},  {CAboutDlg::IDC_SPECIAL_BUILD, {201, 30}, {45, 8}},
        {CAboutDlg::IDC_COMPANY_NAME, {161, 48}, {85, 8}},   {CAboutDlg::IDC_LEGAL_COPYRIGHT, {162, 60}, {86, 8}},
        {CAboutDlg::IDC_COMMENTS, {168, 72}, {65, 9}},       {wxID_OK, {178, 95}, {53, 14}},
    };
    for (const auto& c : controls) {
        wxWindow* control = about.FindWindow(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(control->GetPosition(), about.ConvertDialogToPixels(c.position)) << c.id;
        EXPECT_EQ(control->GetSize(), about.ConvertDialogToPixels(c.size)) << c.id;
    }
    auto* ok = dynamic_cast<wxButton*>(about.FindWindow(wxID_OK));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->GetLabel(), "OK");
    EXPECT_EQ(about.GetDefaultItem(), ok);
}

}  // namespace

TEST(AboutDlg, HelpAboutShowsThePictureOfTheModeAndTheVersionTexts)
{
    const struct {
        const char* program;
        int picture;
        const char* product;
        int closeKey;
    } cases[] = {{"brenvik", IDB_ABOUT_BUILDER, "Brenvik", WXK_ESCAPE},
                 {"tessaron", IDB_ABOUT_3D, "Tessaron", WXK_RETURN}};
    AppTree tree;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        ScriptedPrompts prompts;
        ASSERT_TRUE(StartApp(tree, c.program));
        EXPECT_TRUE(Frame()->IsCommandEnabled(WxId(ID_APP_ABOUT)));
        const bool closed = RunAboutCommand([&](CAboutDlg& about) {
            EXPECT_EQ(about.GetTitle(), "About Brenvik");
            EXPECT_EQ(CAboutDlg::PictureId(), c.picture);
            ASSERT_EQ(about.GetPicture().GetSize(), wxSize(300, 222));

            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_PRODUCT_NAME), c.product);
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_PRODUCT_VERSION), Version("ProductVersion"));
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_PRIVATE_BUILD), Version("PrivateBuild"));
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_SPECIAL_BUILD), Version("SpecialBuild"));
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_LEGAL_COPYRIGHT), Version("LegalCopyright"));
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_COMPANY_NAME), Version("CompanyName"));
            EXPECT_EQ(about.GetControlText(CAboutDlg::IDC_COMMENTS), Version("Comments"));

            // The picture is painted at (10, 15) of the box, left of the texts.
            const wxImage picture = about.GetPicture().ConvertToImage();
            for (const wxPoint& p : {wxPoint(3, 3), wxPoint(60, 40), wxPoint(90, 120), wxPoint(150, 200)}) {
                const wxPoint at = about.ClientToScreen(wxPoint(CAboutDlg::kPictureX, CAboutDlg::kPictureY) + p);
                const wxColour expected(picture.GetRed(p.x, p.y), picture.GetGreen(p.x, p.y), picture.GetBlue(p.x, p.y));
                EXPECT_EQ(ScreenPixel(at).GetAsString(wxC2S_CSS_SYNTAX).ToStdString(),
                          expected.GetAsString(wxC2S_CSS_SYNTAX).ToStdString())
                    << "picture point " << p.x << ", " << p.y;
            }
        }, c.closeKey);
        EXPECT_TRUE(closed);
        StopApp();
    }
}

TEST(AboutDlg, ControlsStandWhereTheDialogUnitsPutThem)
{
    AppTree tree;
    ScriptedPrompts prompts;
    ASSERT_TRUE(StartApp(tree, "tessaron"));
    CheckAboutLayout();
    StopApp();
}

