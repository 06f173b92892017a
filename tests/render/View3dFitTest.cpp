// The 3-D view's start shows the whole device: after Zoom Origin and the fit, every corner of
// every layer of every z-segment (turned by its angle, or swept in cylinder coordinates) lands
// inside the window with a margin, and the device is not shown tiny either, in both cameras and
// in panes of any shape.

#include "DrawingFixture.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "render/Scene3d.h"
#include "render/View3dFit.h"
#include "render/View3dState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

namespace {

struct SegmentSpec {
    double zFrom, zTo, angle;
    float ridge, side; // column widths
};

struct FitCase {
    const char* name;
    std::vector<SegmentSpec> segments;
    bool cylinder;
    bool parallel;
    int width, height;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

CZSegment Segment(const SegmentSpec& s)
{
    CZSegment seg;
    seg.m_Params.m_dZFrom = s.zFrom;
    seg.m_Params.m_dZTo = s.zTo;
    seg.SetAngle(s.angle);
    AddColumn(seg, s.ridge, {{1.5f, 3, "InP"}, {0.3f, 6, "InGaAs"}, {1.0f, 12, "InP"}});
    AddColumn(seg, s.side, {{1.5f, 3, "InP"}, {0.3f, 6, "InGaAs"}, {1.0f, 0, "void macro"}});
    return seg;
}

const std::vector<SegmentSpec> kFlare = {{0, 10, 0, 2, 6}, {14, 20, 0, 4, 4}, {24, 34, 0, 6, 2}};

class View3dFit : public ::testing::TestWithParam<FitCase> {
protected:
    CTessaronDoc doc;
    CView3dState view;
    CDeviceExtents extents;

    void Prepare()
    {
        doc.RefreshLayerEdges();
        doc.PrepareDrawing(view.thinLayers, view.contactBarThickness);
        extents = DeviceExtents3d(doc.m_ZSegments, g_nZSegCount);
    }
    CScene3d Scene(bool cylinder) const
    {
        CScene3d s;
        s.segments = &doc.m_ZSegments;
        s.segmentsInUse = g_nZSegCount;
        s.currentZSeg = g_nCurZSeg;
        s.cylinder = cylinder;
        s.extents = extents;
        return s;
    }
};

TEST_P(View3dFit, ZoomOriginShowsEveryCornerOfTheDeviceInsideTheWindow)
{
    const FitCase& c = GetParam();
    for (const SegmentSpec& s : c.segments) doc.m_ZSegments.push_back(Segment(s));
    g_nZSegCount = int(doc.m_ZSegments.size());
    g_nCurZSeg = 1;
    view.parallel = c.parallel;
    const double length = c.segments.back().zTo - c.segments.front().zFrom;
    ZoomOrigin3d(view, g_nZSegCount, length, [this] {
        Prepare();
        return DeviceSize3d(extents);
    });
    const std::vector<CPoint3f> corners = DeviceCorners3d(Scene(c.cylinder));
    ASSERT_FALSE(corners.empty());
    FitPointsInView3d(view, Scene(c.cylinder), corners, c.width, c.height);
    SetProjection3d(view, c.width, c.height);

    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const CPoint3f& p : corners) {
        double x = 0, y = 0;
        ASSERT_TRUE(ProjectToWindow3d(view, Scene(c.cylinder), p, x, y));
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    // Inside, with a border free all round...
    EXPECT_GT(x0, -0.95);
    EXPECT_LT(x1, 0.95);
    EXPECT_GT(y0, -0.95);
    EXPECT_LT(y1, 0.95);
    // ...and as large as the triad and the frame beside it let it be: at least half the window
    // across one way.
    EXPECT_GT(std::max(x1 - x0, y1 - y0), 1.0) << x0 << ".." << x1 << ", " << y0 << ".." << y1;
    // The device lies between the clipping planes.
    EXPECT_DOUBLE_EQ(view.nearPlane, view.dist);
    EXPECT_DOUBLE_EQ(view.farPlane, 50.0 * view.dist);
}

INSTANTIATE_TEST_SUITE_P(
    View3dFit, View3dFit,
    ::testing::Values(FitCase{"FlareInANarrowPanePerspective", kFlare, false, false, 325, 607},
                      FitCase{"FlareInANarrowPaneParallel", kFlare, false, true, 325, 607},
                      FitCase{"FlareInAWidePanePerspective", kFlare, false, false, 900, 300},
                      FitCase{"FlareInCylinderModePerspective", kFlare, true, false, 325, 607},
                      FitCase{"FlareInCylinderModeParallel", kFlare, true, true, 800, 300},
                      FitCase{"TurnedSegments", {{0, 10, 30, 3, 3}, {12, 20, -45, 2, 5}}, false, false, 640, 480},
                      FitCase{"LongDeviceSqueezedAlongZ", {{0, 400, 0, 3, 4}}, false, false, 640, 480},
                      FitCase{"ShortDeviceStretchedAlongZ", {{0, 0.5, 0, 3, 4}}, false, true, 640, 480},
                      FitCase{"AWindowOfNoHeight", kFlare, false, false, 300, 0},
                      // z read as degrees: more than a full turn is measured once round.
                      FitCase{"CylinderOfManyTurns", {{0, 5000, 0, 3, 4}}, true, false, 640, 480}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(View3dFitWithoutDevice, ChangesNothing)
{
    CView3dState view;
    ZoomOrigin3d(view, 0, 0.0, [] { return 0.0f; });
    const CView3dState before = view;
    FitPointsInView3d(view, CScene3d(), {}, 640, 480);
    EXPECT_EQ(view.dist, before.dist);
    EXPECT_EQ(view.tx, before.tx);
    EXPECT_EQ(view.ty, before.ty);
}

}  // namespace
