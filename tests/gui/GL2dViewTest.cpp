// The 2-D view in a real window: the fixture z-segment is shown where the projection puts it, and
// the back-grid option survives in the settings.

#include "AppHarness.h"
#include "View2dWindow.h"
#include "app/MainFrame.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "render/DrawingFixture.h"
#include "platform/Profile.h"
#include "support/TempFolder.h"
#include "views/GL2dView.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/sizer.h>

#include <array>

namespace {

TEST(GL2dView, ShowsTheCurrentZSegmentFittedInTheWindow)
{
    ViewWindow window;
    CGL2dView& view = window.View();
    view.Update();
    PumpEvents(200);

    // The first paint fitted the device: 9 units wide in 80 % of the width.
    const wxSize size = view.GetClientSize();
    const CClientRect device = view.WorldRectToClient({3.7f, 0, 9, 0});
    EXPECT_NEAR(device.right - device.left, 0.8 * size.GetWidth(), 0.02 * size.GetWidth());

    struct Probe {
        const char* what;
        float x, y;
        Rgb expected;
    };
    const float barY = window.Doc().m_ZSegments[0].Column(0).Layer(3).m_A.y + view.GetContactBarThickness() / 2;
    const Probe probes[] = {
        {"column 0 row 0", 2, 0.5f, Colour(3)},
        {"column 1 row 0", 5.5f, 0.5f, Colour(5)},
        {"empty layer", 8, 0.5f, {176, 216, 255}},
        {"top contact bar", 2, barY, {0, 0, 0}},
    };
    for (const Probe& p : probes) EXPECT_EQ(window.ModelPixel(p.x, p.y), p.expected) << p.what;
}

TEST(GL2dView, ProgramOpenedOnALayerFileShowsTheDevice)
{
    AppTree tree;
    const std::string path = std::string(TESSARON_FIXTURES) + "/layer/ridge_two_columns.layer";
    ASSERT_TRUE(StartApp(tree, "brenvik", {path}));
    ASSERT_NE(Frame(), nullptr);
    auto* view = dynamic_cast<CGL2dView*>(Frame()->GetActiveView());
    ASSERT_NE(view, nullptr);
    PumpEvents(800); // the splash window closes, the frame settles
    view->Refresh(false);
    view->Update();
    PumpEvents(100);

    CTessaronDoc* doc = TestApp().GetDocument();
    ASSERT_EQ(g_nCurZSeg, 1);
    const CZSegment& seg = doc->m_ZSegments[0];
    ASSERT_EQ(seg.GetColumnCount(), 2);

    // Fitted: the device fills 80 % of the client area in its limiting direction.
    float r[4];
    seg.GetBoundingRect(r);
    const CClientRect device = view->WorldRectToClient({r[0], r[1], r[2], r[3]});
    const wxSize size = view->GetClientSize();
    const double fx = double(device.right - device.left) / size.GetWidth();
    const double fy = double(device.bottom - device.top) / size.GetHeight();
    EXPECT_NEAR(std::max(fx, fy), 0.8, 0.01);

    // Every non-empty layer shows its colour at its centre.
    int probed = 0;
    for (const CColumnRec& column : seg.GetColumns())
        for (const CLayerRec& layer : column.GetLayers()) {
            if (layer.IsEmpty()) continue;
            const float x = (layer.m_A.x + layer.m_B.x + layer.m_C.x + layer.m_D.x) / 4;
            const float y = (layer.m_A.y + layer.m_C.y) / 2;
            EXPECT_EQ(ViewPixel(view, view->ProjectPoint({x, y})), Colour(layer.m_nColour))
                << "column " << layer.m_nColumn << " row " << layer.m_nRow;
            ++probed;
        }
    EXPECT_GE(probed, 6);
    StopApp();
}

TEST(GL2dView, PaintingLeavesTheDocumentAsItWas)
{
    ViewWindow window;
    CGL2dView& view = window.View();
    CTessaronDoc& doc = window.Doc();
    // What a paint that laid the device out or kept side contacts within their rows would change:
    // a left contact far taller than its row, and a lower width the layout would line up.
    CContactList group;
    group.m_nRow = 0;
    group.m_Contacts.resize(1);
    group.m_Contacts[0].m_fTo = 40.0f;
    doc.m_ZSegments[0].m_SideContacts.push_back(group);
    doc.m_ZSegments[0].Column(0).Layer(1).m_fLowerWidth = 1.5f;

    TempFolder folder;
    ASSERT_TRUE(doc.SaveZsegmentLayerFile(0, folder.File("before.layer")));
    unsigned char rgb[3];
    ASSERT_TRUE(view.ReadFramePixel({10, 10}, rgb));
    view.Render();
    view.Refresh(false);
    view.Update();
    PumpEvents(100);
    ASSERT_TRUE(doc.SaveZsegmentLayerFile(0, folder.File("after.layer")));
    EXPECT_NE(folder.Read("before.layer").find("to=40"), std::string::npos);
    EXPECT_EQ(folder.Read("after.layer"), folder.Read("before.layer"));
}

TEST(GL2dView, BackGridOptionIsKeptInTheSettings)
{
    Profile().WriteProfileString("CGL2dView", "Layer_ViewGrid", "");
    {
        ViewWindow window;
        EXPECT_EQ(window.View().GetGridFlag(), 1) << "an empty entry keeps the default";
        window.View().SetGridFlag(0);
    }
    EXPECT_EQ(Profile().GetProfileString("CGL2dView", "Layer_ViewGrid"), "0");
    ViewWindow again;
    PumpEvents(100);
    EXPECT_EQ(again.View().GetGridFlag(), 0);
    again.View().SetGridFlag(1);
}

} // namespace
