// The 3-D view's frame, stated as pixels read back from an offscreen context: what the user sees
// of the device from the front, the top and the side, in flat and in cylinder coordinates.

#include "DrawingFixture.h"
#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "render/LayerBatch3d.h"
#include "render/LayerDrawing.h"
#include "render/OutlineFont.h"
#include "render/PolarDrawing.h"
#include "render/ProjectionMatrix.h"
#include "render/Scene3d.h"
#include "render/SegmentJoins3d.h"
#include "render/View3dState.h"
#include "support/OffscreenGL.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ostream>

void PrintTo(const CRgb& c, std::ostream* os);

namespace {

const CRgb kBackground{140, 140, 140};
const CRgb kBlack{0, 0, 0};

bool Near(CRgb a, CRgb b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// Two columns over a z range: column 0 (4 wide) green, a thin blue layer (0.01), red on top;
// column 1 (3 wide) cyan, a thin layer of colour 9, colour 20 on top. 7 wide, 2.01 high.
CZSegment TwoColumns(double zFrom, double zTo)
{
    CZSegment seg;
    seg.m_Params.m_dZFrom = zFrom;
    seg.m_Params.m_dZTo = zTo;
    AddColumn(seg, 4, {{1, 3, "GaAs"}, {0.01f, 6, "AlAs"}, {1, 12, "InP"}});
    AddColumn(seg, 3, {{1, 5, "GaAs"}, {0.01f, 9, "AlAs"}, {1, 20, "InP"}});
    return seg;
}

class Scene3d : public ::testing::Test {
protected:
    static constexpr int kWidth = 640, kHeight = 480;
    COffscreenGL gl{kWidth, kHeight};
    CTessaronDoc doc;
    CView3dState view;
    CDeviceExtents extents;
    bool cylinder = false;
    bool lock = false;
    const COutlineFont* font = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetupGL3d();
    }

    void Use(std::vector<CZSegment> segments, int current = 1)
    {
        doc.m_ZSegments = std::move(segments);
        g_nZSegCount = int(doc.m_ZSegments.size());
        g_nCurZSeg = current;
    }
    int InUse() const { return int(doc.m_ZSegments.size()); }

    // As the view does on every change: the document's update, the layout for this view's bar
    // thickness, the device measured.
    void Prepare()
    {
        doc.RefreshLayerEdges();
        doc.PrepareDrawing(view.thinLayers, view.contactBarThickness);
        extents = DeviceExtents3d(doc.m_ZSegments, InUse());
    }

    // Zoom Origin, then the camera turned by (rx, ry), parallel, zoomed and projected.
    void Look(float rx, float ry, float zoom = 4)
    {
        const int n = InUse();
        const double length = n ? doc.m_ZSegments[n - 1].m_Params.m_dZTo - doc.m_ZSegments[0].m_Params.m_dZFrom : 0;
        ZoomOrigin3d(view, n, length, [this] {
            Prepare();
            return DeviceSize3d(extents);
        });
        view.parallel = true;
        view.rotationX = rx;
        view.rotationY = ry;
        view.zoomX = view.zoomY = zoom;
        SetProjection3d(view, kWidth, kHeight);
        Prepare();
    }

    CScene3d Scene() const
    {
        CScene3d s;
        s.segments = &doc.m_ZSegments;
        s.segmentsInUse = InUse();
        s.currentZSeg = g_nCurZSeg;
        s.cylinder = cylinder;
        s.drawingLock = lock;
        s.extents = extents;
        s.font = font;
        return s;
    }

    // Model point (of a z-segment turned by `angle`) to window coordinates, lower-left origin.
    void ToWindow(CPoint3f p, double angle, double& wx, double& wy) const
    {
        p = RotatedPoint(p, angle);
        double model[16], mv[16];
        SceneModelMatrix3d(view, Scene(), model);
        MultiplyMatrix(view.modelview, model, mv);
        double wz = 0;
        gluProject(p.x, p.y, p.z, mv, view.projection, view.viewport, &wx, &wy, &wz);
    }

    // Moves the camera window so that the model point shows in the middle.
    void CentreOn(CPoint3f p)
    {
        double wx = 0, wy = 0;
        ToWindow(p, 0, wx, wy);
        const double perPixel = 2.0 * view.dist / view.zoomY / kHeight;
        view.tx -= float((wx - kWidth / 2.0) * perPixel);
        view.ty -= float((wy - kHeight / 2.0) * perPixel);
        SetProjection3d(view, kWidth, kHeight);
        Prepare();
    }

    void Render()
    {
        RenderScene3d(view, Scene());
        glFinish();
    }

    CRgb Pixel(int x, int y) const
    {
        const auto p = gl.Pixel(x, y);
        return {p[0], p[1], p[2]};
    }
    CRgb At(CPoint3f p, double angle = 0) const
    {
        double wx = 0, wy = 0;
        ToWindow(p, angle, wx, wy);
        return Pixel(int(std::lround(wx)), int(std::lround(wy)));
    }
    // Pixels of exactly colour c in the frame.
    int Count(CRgb c) const
    {
        const std::vector<uint8_t> rgb = gl.ReadFrame();
        int n = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3) n += rgb[i] == c.r && rgb[i + 1] == c.g && rgb[i + 2] == c.b;
        return n;
    }
};

TEST_F(Scene3d, WithoutAZSegmentTheFrameIsGreyWithOnlyTheAxisTriad)
{
    Use({});
    Look(15, 20, 1);
    Render();
    EXPECT_EQ(Pixel(2, 2), kBackground);
    EXPECT_EQ(Pixel(kWidth - 3, kHeight - 3), kBackground);
    EXPECT_GT(Count({0, 0, 255}), 10) << "the blue x arrow";
    EXPECT_GT(Count({255, 0, 0}), 10) << "the red y arrow";
}

struct FaceCase {
    const char* what;
    CPoint3f point;
    int colour;
};

TEST_F(Scene3d, FrontFacesShowTheirOwnColoursUnlit)
{
    CZSegment first = TwoColumns(0, 10), last = TwoColumns(10, 20);
    AddColumn(last, 2, {{1, 0, "void macro"}});
    AddColumn(first, 2, {{1, 0, "void macro"}});
    Use({first, last}, 2);
    Look(0, 0);
    Render();
    const FaceCase cases[] = {
        {"column 0 row 0", {2, 0.5f, 20}, 3},
        {"column 0 top", {2, 1.5f, 20}, 12},
        {"column 1 row 0", {5.5f, 0.5f, 20}, 5},
        {"column 1 top", {5.5f, 1.5f, 20}, 20},
    };
    for (const FaceCase& c : cases) EXPECT_EQ(At(c.point), TableColour(c.colour)) << c.what;
    EXPECT_EQ(At({8, 0.5f, 20}), kBackground) << "empty layers are not drawn";
}

TEST_F(Scene3d, SideFacesAreShadedTopAndBottomLighterThanLeftAndRight)
{
    Use({TwoColumns(0, 10)});
    Look(0, 90); // the left faces toward the eye
    CentreOn({0, 1, 5});
    Render();
    EXPECT_EQ(At({0, 0.5f, 5}), ShadeColour(TableColour(3), 0.72)) << "left face of row 0";
    Look(90, 0); // the top faces toward the eye
    CentreOn({3.5f, 2.01f, 5});
    Render();
    EXPECT_EQ(At({2, 2.01f, 5}), ShadeColour(TableColour(12), 0.77)) << "top face of column 0";
    EXPECT_EQ(At({5.5f, 2.01f, 5}), ShadeColour(TableColour(20), 0.77)) << "top face of column 1";
}

// A layer far thinner than a pixel has no face to show, but its outline, drawn along the edges of
// its exposed front face, still marks it; in thin-layer mode it is drawn as thick as a contact bar.
TEST_F(Scene3d, AThinLayerShowsThroughItsOutlineAndAtBarThicknessInThinLayerMode)
{
    CZSegment seg;
    seg.m_Params.m_dZTo = 10;
    AddColumn(seg, 4, {{1, 3, "GaAs"}, {0.01f, 6, "AlAs"}});
    Use({seg});
    Look(0, 0);
    CentreOn({2, 1, 10});
    Render();
    double wx = 0, wy = 0;
    ToWindow({2, 1.005f, 10}, 0, wx, wy);
    int bluish = 0;
    for (int dy = -3; dy <= 3; ++dy) {
        const CRgb c = Pixel(int(wx), int(std::lround(wy)) + dy);
        bluish += c.b > 150 && c.r < 150 && c.g < 200;
    }
    EXPECT_GT(bluish, 0) << "the thin layer's outline";
    EXPECT_LT(bluish, 4);

    view.thinLayers = true;
    Prepare();
    Render();
    int solid = 0;
    for (int dy = -12; dy <= 12; ++dy) solid += Pixel(int(wx), int(std::lround(wy)) + dy) == TableColour(6);
    // One hundredth of the visible height, 4.8 pixels, less the outlines along its edges.
    EXPECT_GE(solid, 2);
}

TEST_F(Scene3d, EachZSegmentIsTurnedAboutTheZAxisByItsAngle)
{
    CZSegment first = TwoColumns(0, 10), last = TwoColumns(10, 20);
    last.SetAngle(90);
    Use({first, last}, 2);
    Look(0, 0);
    CentreOn({0, 2, 20});
    Render();
    EXPECT_EQ(At({2, 0.5f, 20}, 90), TableColour(3)) << "row 0 of column 0, turned";
    EXPECT_EQ(At({5.5f, 1.5f, 20}, 90), TableColour(20)) << "column 1's top layer, turned";
    EXPECT_EQ(At({5.5f, 0.5f, 20}), TableColour(5)) << "the unturned z-segment behind it";
}

// Two z-segments with a gap along z (10 to 15), seen from above and from the right.
class Scene3dGap : public Scene3d {
protected:
    CZSegment first = TwoColumns(0, 10), second = TwoColumns(15, 25);
    const CRgb junction{179, 179, 179}; // 0.753 at alpha 0.75 over the grey background
};

TEST_F(Scene3dGap, GreyJunctionFacesCloseTheGapAlongTheTopEdges)
{
    Use({first, second});
    Look(90, 0);
    CentreOn({3.5f, 2.01f, 12.5f});
    Render();
    EXPECT_TRUE(Near(At({2, 2.01f, 12.5f}), junction, 2)) << "over column 0";
    EXPECT_TRUE(Near(At({5.5f, 2.01f, 12.5f}), junction, 2)) << "over column 1";
    EXPECT_EQ(At({2, 2.01f, 9}), ShadeColour(TableColour(12), 0.77)) << "the first z-segment itself";
}

TEST_F(Scene3dGap, NoJunctionFacesWhereTheZSegmentsMeet)
{
    second = TwoColumns(10.00001, 20);
    Use({first, second});
    Look(90, 0);
    CentreOn({3.5f, 2.01f, 10});
    Render();
    EXPECT_EQ(Count(junction), 0);
}

TEST_F(Scene3dGap, AWhiteTaperFaceJoinsColumnEdgesMarkedInBothZSegments)
{
    Use({first, second});
    Look(0, -90); // the right faces toward the eye
    CentreOn({7, 1, 12.5f});
    Render();
    const CRgb unmarked = At({7, 1, 12.5f});
    EXPECT_NE(unmarked, CRgb({255, 255, 255}));
    EXPECT_NE(unmarked, kBackground) << "a junction side face";

    first.Column(1).m_nTaperLine = 1;
    second.Column(1).m_nTaperLine = 1;
    Use({first, second});
    Prepare();
    Render();
    EXPECT_EQ(At({7, 1, 12.5f}), CRgb({255, 255, 255}));
}

TEST_F(Scene3dGap, ATranslucentLinkJoinsATopContactThatContinuesInTheNextZSegment)
{
    AddTopContact(first, 0, 1, 3);
    AddTopContact(second, 0, 1, 3);
    Use({first, second});
    Look(90, 0);
    CentreOn({2, 2.01f, 12.5f});
    Render();
    EXPECT_TRUE(Near(At({2, 2.01f, 12.5f}), junction, 2)) << "not continued: no link";

    second.Column(0).m_Contacts.Top(0).m_nLink = 1;
    Use({first, second});
    Prepare();
    Render();
    const CRgb linked = At({2, 2.01f, 12.5f});
    EXPECT_LT(linked.r, 120) << "the black half-transparent link over the junction face";

    first.m_Params.m_strTaperLink = "no";
    Use({first, second});
    Prepare();
    Render();
    EXPECT_TRUE(Near(At({2, 2.01f, 12.5f}), junction, 2)) << "\"link_taper_contact\" no";
}

TEST_F(Scene3dGap, ATranslucentLinkJoinsASideContactThatContinues)
{
    AddSideContact(first, 0, 1, 0.2f, 0.8f);
    AddSideContact(second, 0, 1, 0.2f, 0.8f, 1);
    Use({first, second});
    Look(0, -90);
    CentreOn({7, 0.5f, 12.5f});
    Render();
    const CRgb linked = At({7, 0.5f, 12.5f});
    second.m_SideContacts[0].m_Contacts[0].m_nLink = 0;
    Use({first, second});
    Prepare();
    Render();
    const CRgb unlinked = At({7, 0.5f, 12.5f});
    EXPECT_LT(linked.r + 40, unlinked.r) << "the link darkens the junction side face";
}

TEST_F(Scene3d, SideContactsAreBlackBarsStandingOutOfTheOuterFaces)
{
    CZSegment seg = TwoColumns(0, 10);
    AddSideContact(seg, 0, 0, 0.2f, 0.8f);
    AddSideContact(seg, 0, 1, 0.2f, 0.8f);
    Use({seg});
    Look(0, 0);
    Render();
    const float t = view.contactBarThickness; // 0.02 dist / zoom
    EXPECT_EQ(At({-t / 2, 0.5f, 10}), kBlack) << "left bar";
    EXPECT_EQ(At({7 + t / 2, 0.5f, 10}), kBlack) << "right bar";
    EXPECT_NE(At({-t / 2, 0.1f, 10}), kBlack) << "below the bar";
    EXPECT_EQ(At({2, 0.5f, 10}), TableColour(3)) << "the layer itself";
}

TEST_F(Scene3d, ALayerWithoutHeightGetsNoSideBar)
{
    CZSegment seg = TwoColumns(0, 10);
    AddSideContact(seg, 0, 0, 0.2f, 0.8f);
    Use({seg});
    Look(0, 0);
    for (CColumnRec* column : {&doc.m_ZSegments[0].Column(0), &doc.m_ZSegments[0].Column(1)})
        column->Layer(0).m_fHeight = 0;
    Prepare();
    Render();
    EXPECT_NE(At({-view.contactBarThickness / 2, 0.5f, 10}), kBlack);
}

TEST_F(Scene3d, ContactBarsSitOnTheTopAndUnderTheBottomLayer)
{
    CZSegment seg = TwoColumns(0, 10);
    AddTopContact(seg, 0, 1, 3);
    AddBottomContact(seg, 1, 0.5f, 2.5f);
    Use({seg});
    Look(0, 0);
    Render();
    const float t = view.contactBarThickness;
    EXPECT_EQ(At({2, 2.01f + t / 2, 10}), kBlack) << "top bar of column 0";
    EXPECT_EQ(At({5.5f, -t / 2, 10}), kBlack) << "bottom bar of column 1";
    EXPECT_NE(At({0.5f, 2.01f + t / 2, 10}), kBlack) << "beside the top bar";
}

TEST_F(Scene3d, TheCurrentZSegmentIsFramedInWhite)
{
    Use({TwoColumns(0, 10)}, 1);
    Look(0, 0);
    Render();
    const float m = float(view.dist / 30);
    const CRgb frame = At({-m, 1, 10});
    EXPECT_GT(frame.r, 220) << "a smooth white line";
    EXPECT_TRUE(frame.r == frame.g && frame.g == frame.b);
    g_nCurZSeg = 0;
    Render();
    EXPECT_EQ(At({-m, 1, 10}), kBackground);
}

TEST_F(Scene3d, WhileTheDrawingLockIsSetTheDeviceIsNotDrawn)
{
    Use({TwoColumns(0, 10)});
    Look(0, 0);
    lock = true;
    g_nCurZSeg = 0;
    Render();
    EXPECT_EQ(At({2, 0.5f, 10}), kBackground);
    lock = false;
    Render();
    EXPECT_EQ(At({2, 0.5f, 10}), TableColour(3));
}

TEST_F(Scene3d, InCylinderModeTheZRangeIsSweptAsAnglesAboutTheYAxis)
{
    Use({TwoColumns(0, 90)});
    cylinder = true;
    Look(90, 0, 1); // down the cylinder axis: the polar plane faces the eye
    CentreOn(PolarPoint(3.5, 2.01, 45, 1));
    Render();
    for (double angle : {5.0, 45.0, 85.0}) {
        EXPECT_EQ(At(PolarPoint(2, 2.01, angle, 1)), TableColour(12)) << "column 0 at " << angle;
        EXPECT_EQ(At(PolarPoint(5.5, 2.01, angle, 1)), TableColour(20)) << "column 1 at " << angle;
    }
    EXPECT_EQ(At(PolarPoint(3.5, 2.01, 135, 1)), kBackground) << "beyond the range";
    EXPECT_EQ(At(PolarPoint(3.5, 2.01, -45, 1)), kBackground) << "before it";
}

TEST_F(Scene3d, TheTriadLabelsAreDrawnInTheOutlineFont)
{
    ASSERT_FALSE(COutlineFont::FindFontFile().empty()) << "no TrueType font known to fontconfig";
    COutlineFont outline;
    ASSERT_TRUE(outline.Build());
    Use({});
    Look(0, 0, 1);
    Render();
    const int blueArrow = Count({0, 0, 255}), redArrow = Count({255, 0, 0});
    font = &outline;
    Render();
    EXPECT_GT(Count({0, 0, 255}), blueArrow + 30) << "\"+x\"";
    EXPECT_GT(Count({255, 0, 0}), redArrow + 30) << "\"+y\"";
    outline.Delete();
}

TEST(DeviceExtents3d, AreTheLargestCrossSectionAndTheLengthOfTheZSegmentsInUse)
{
    std::vector<CZSegment> segs = {TwoColumns(2, 10), CZSegment(), TwoColumns(30, 40)};
    segs[1].m_Params.m_dZTo = 30;
    AddColumn(segs[1], 5, {{3, 1, "GaAs"}}); // narrower, but taller
    AddColumn(segs[2], 50, {{30, 1, "GaAs"}}); // not in use
    for (CZSegment& s : segs) s.LayoutColumns(false, 0, 0, 0);
    const CDeviceExtents e = DeviceExtents3d(segs, 2);
    EXPECT_DOUBLE_EQ(e.width, 7);
    EXPECT_NEAR(e.height, 3, 1e-6);
    EXPECT_DOUBLE_EQ(e.length, 28);
    EXPECT_FLOAT_EQ(DeviceSize3d(e), 7);
    EXPECT_DOUBLE_EQ(DeviceExtents3d(segs, 0).length, 0);
}

TEST(SelectionBox3d, FramesTheCurrentZSegmentWithItsMargin)
{
    std::vector<CZSegment> segs = {TwoColumns(2, 10)};
    // A third column, 1 wide, with a fourth row 2 high on the rows it shares with its neighbours.
    AddColumn(segs[0], 1, {{1, 3, "GaAs"}, {1, 3, "GaAs"}, {1, 3, "GaAs"}, {2, 3, "GaAs"}});
    segs[0].LayoutColumns(false, 0, 0, 0);
    CScene3d scene;
    scene.segments = &segs;
    scene.segmentsInUse = 1;
    scene.currentZSeg = 1;
    CSelectionBox3d box;
    ASSERT_TRUE(SelectionBox3d(scene, 1, 0.5f, box));
    EXPECT_FLOAT_EQ(box.x0, -0.5f);
    EXPECT_FLOAT_EQ(box.y0, -0.5f);
    EXPECT_FLOAT_EQ(box.x1, 8.5f) << "row 0 of the last column ends at x 8";
    EXPECT_FLOAT_EQ(box.y1, 4.51f) << "the top of the tallest column";
    EXPECT_FLOAT_EQ(box.z0, 1.75f);
    EXPECT_FLOAT_EQ(box.z1, 10.25f);
    ASSERT_TRUE(SelectionBox3d(scene, 20, 0.5f, box));
    EXPECT_FLOAT_EQ(box.z0, 2 * 0.98f);
    EXPECT_FLOAT_EQ(box.z1, 10 * 1.02f);
    scene.currentZSeg = 0;
    EXPECT_FALSE(SelectionBox3d(scene, 1, 0.5f, box));
}

TEST(ColumnEdges3d, TopEdgesEndAtTheFirstEmptyLayerAndJoinsNeedTaperEdgesOnBothSides)
{
    std::vector<CZSegment> segs = {TwoColumns(0, 10), TwoColumns(10, 20)};
    segs[0].Column(0).Layer(1).m_Material.m_Bulk.m_strName = "void macro";
    segs[0].Column(1).Layer(0).m_Material.m_Bulk.m_strName = "void";
    for (CZSegment& s : segs) s.LayoutColumns(false, 0, 0, 0);
    CPoint3f a, b;
    ASSERT_TRUE(GetColumnTopEdge(segs[0], 0, true, a, b));
    EXPECT_FLOAT_EQ(a.y, 1.0f) << "row 0's top: the run stops at the empty row 1";
    EXPECT_FLOAT_EQ(b.x, 4.0f);
    EXPECT_FLOAT_EQ(a.z, 10.0f);
    EXPECT_FALSE(GetColumnTopEdge(segs[0], 1, true, a, b)) << "row 0 empty";
    EXPECT_FALSE(GetColumnTopEdge(segs[0], 2, true, a, b)) << "no such column";
    ASSERT_TRUE(GetColumnBottomEdge(segs[1], 1, false, a, b));
    EXPECT_FLOAT_EQ(a.x, 4.0f);
    EXPECT_FLOAT_EQ(b.x, 7.0f);
    EXPECT_FLOAT_EQ(a.z, 10.0f);

    EXPECT_FALSE(IsColumnJoined(segs, 2, 0, 1));
    segs[0].Column(1).m_nTaperLine = 1;
    EXPECT_FALSE(IsColumnJoined(segs, 2, 0, 1)) << "marked in the first only";
    segs[1].Column(1).m_nTaperLine = 1;
    EXPECT_TRUE(IsColumnJoined(segs, 2, 0, 1));
    EXPECT_FALSE(IsColumnJoined(segs, 1, 0, 1)) << "one z-segment in use";
    EXPECT_FALSE(IsColumnJoined(segs, 2, 1, 1)) << "the last z-segment joins nothing";
    EXPECT_FALSE(IsColumnJoined(segs, 2, 0, -1));
}

struct OutlineCase {
    const char* what;
    unsigned flags;
    int layerZSeg, currentZSeg;
    bool depth;
    size_t loops;
};

void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.what; }

class LayerOutlines3d : public ::testing::TestWithParam<OutlineCase> {};

// Every layer has its prism's six faces (two without depth); an outline goes round each exposed
// face only.
TEST_P(LayerOutlines3d, GoRoundTheExposedFacesOnly)
{
    const OutlineCase& c = GetParam();
    CLayerRec l;
    l.m_Material.m_Bulk.m_strName = "GaAs";
    l.m_fHeight = l.m_fLowerWidth = l.m_fUpperWidth = 1;
    l.SetExtent(CPoint3f(), 0, false, 0);
    l.m_fZFrom = 0;
    l.m_fZTo = c.depth ? 1.0f : 0.0f;
    l.m_wEdgeFlags = std::uint16_t(c.flags);
    l.m_nZSeg = c.layerZSeg;
    CLayerBatch3d batch;
    batch.Add(l, c.currentZSeg);
    EXPECT_EQ(batch.FaceCount(), c.depth ? 6u : 2u);
    EXPECT_EQ(batch.OutlineSegmentCount(), 4 * c.loops);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, LayerOutlines3d,
    ::testing::Values(OutlineCase{"inside", 0, 0, 2, true, 0},
                      OutlineCase{"last z-segment: front", EDGE_LAST_ZSEG, 0, 2, true, 1},
                      OutlineCase{"current z-segment: front", 0, 1, 2, true, 1},
                      OutlineCase{"first z-segment: back", EDGE_FIRST_ZSEG, 0, 2, true, 1},
                      OutlineCase{"all six", 0x3f, 0, 2, true, 6},
                      OutlineCase{"no depth: no side outlines", 0x3f, 0, 2, false, 2},
                      OutlineCase{"left and top", EDGE_LEFT_FACE | EDGE_TOP_LAYER, 0, 2, true, 2}));

} // namespace
