// The 2-D view in a real window: the fixture z-segment is shown where the projection puts it, and
// the back-grid option survives in the settings.

#include "AppHarness.h"
#include "render/DrawingFixture.h"
#include "platform/Profile.h"
#include "views/GL2dView.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/sizer.h>

#include <array>

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

void PrintTo(const Rgb& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

// A frame holding only the view, on a document whose only z-segment is the fixture.
class ViewWindow {
public:
    ViewWindow()
    {
        UseFixtureSegment(m_doc);
        m_frame = new wxFrame(nullptr, wxID_ANY, "2-D view", wxPoint(20, 20), wxSize(640, 480));
        m_view = new CGL2dView(m_frame, &m_doc);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(m_view, 1, wxEXPAND);
        m_frame->SetSizer(sizer);
        m_frame->Show();
        m_frame->Raise();
        PumpEvents(300);
    }
    ~ViewWindow()
    {
        m_frame->Destroy();
        PumpEvents();
    }
    CGL2dView& View() { return *m_view; }
    CTessaronDoc& Doc() { return m_doc; }

    // What the screen shows at a client point of the view.
    Rgb ScreenPixel(CClientPoint p)
    {
        const wxPoint at = m_view->ClientToScreen(wxPoint(p.x, p.y));
        wxBitmap bitmap(1, 1, 24);
        wxMemoryDC memory(bitmap);
        wxScreenDC screen;
        memory.Blit(0, 0, 1, 1, &screen, at.x, at.y);
        memory.SelectObject(wxNullBitmap);
        const wxImage image = bitmap.ConvertToImage();
        return {image.GetRed(0, 0), image.GetGreen(0, 0), image.GetBlue(0, 0)};
    }
    Rgb ModelPixel(float x, float y) { return ScreenPixel(m_view->ProjectPoint({x, y})); }

private:
    CTessaronDoc m_doc;
    wxFrame* m_frame;
    CGL2dView* m_view;
};

Rgb Colour(int index)
{
    unsigned char r = 0, g = 0, b = 0;
    MaterialIndexColour(index, r, g, b);
    return {r, g, b};
}

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
    const Probe probes[] = {
        {"column 0 row 0", 2, 0.5f, Colour(3)},
        {"column 1 row 0", 5.5f, 0.5f, Colour(5)},
        {"empty layer", 8, 0.5f, {176, 216, 255}},
        {"top contact bar", 2, 0, {0, 0, 0}},
    };
    for (const Probe& p : probes) {
        float y = p.y;
        if (std::string(p.what) == "top contact bar")
            y = window.Doc().m_ZSegments[0].Column(0).Layer(3).m_A.y + view.GetContactBarThickness() / 2;
        EXPECT_EQ(window.ModelPixel(p.x, y), p.expected) << p.what;
    }
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
