#include "render/LayerDrawing.h"
#include "render/Scene2d.h"
#include "render/View2dState.h"
#include "DrawingFixture.h"
#include "support/OffscreenGL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

// Lets the test messages show colours as numbers.
void PrintTo(const CRgb& c, std::ostream* os)
{
    *os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

namespace {

const CRgb kWhite{255, 255, 255};
const CRgb kBlack{0, 0, 0};
const CRgb kLightBlue{176, 216, 255};
const CRgb kGrid{192, 192, 192};

class Scene2d : public ::testing::Test {
protected:
    static constexpr int kWidth = 800, kHeight = 600;
    COffscreenGL gl{kWidth, kHeight};
    CView2dState view;
    CTessaronDoc doc;
    CZSegment& seg = UseFixtureSegment(doc);

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetupGL2d();
        SetProjection2d(view, kWidth, kHeight); // tx = ty = 2, one model unit 37.5 pixels
    }

    // As the document's update after an edit, with the view's thin-layer height: indices, edge
    // flags, layout with the thin-layer clamp, side contacts within their rows.
    void Prepare()
    {
        doc.SetThinLayerHeight(2, true, view.contactBarThickness);
        doc.UpdateDrawing();
    }

    void Render(bool grid = false, bool withSegment = true)
    {
        CScene2d scene;
        scene.segment = withSegment ? &seg : nullptr;
        scene.currentZSeg = withSegment ? 1 : 0;
        scene.backGrid = grid;
        RenderScene2d(view, scene);
        glFinish();
    }

    void PrepareAndRender(bool grid = false)
    {
        Prepare();
        Render(grid);
    }

    CRgb Pixel(int x, int y) const
    {
        auto p = gl.ClientPixel(x, y);
        return {p[0], p[1], p[2]};
    }
    // The pixel under a model point.
    CRgb At(float x, float y) const
    {
        CClientPoint p = ProjectPoint(view, {x, y});
        return Pixel(p.x, p.y);
    }
    bool BlackNear(float x, float y) const
    {
        CClientPoint p = ProjectPoint(view, {x, y});
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (Pixel(p.x + dx, p.y + dy) == kBlack) return true;
        return false;
    }
    // How many pixels of the column under model x, scanning model y from y0 to y1, have colour c.
    int RunHeight(float x, float y0, float y1, CRgb c) const
    {
        CClientPoint a = ProjectPoint(view, {x, y0}), b = ProjectPoint(view, {x, y1});
        int n = 0;
        for (int y = std::min(a.y, b.y); y <= std::max(a.y, b.y); ++y) n += Pixel(a.x, y) == c;
        return n;
    }
};

struct ColourCase {
    const char* what;
    float x, y;
    CRgb expected;
};

TEST_F(Scene2d, LayersAreFilledByTheirColourIndexAndEmptyOnesLightBlue)
{
    PrepareAndRender();
    const ColourCase cases[] = {
        {"column 0 row 0, colour 3", 2, 0.5f, TableColour(3)},
        {"thin layer, colour 6", 2, 1.1f, TableColour(6)},
        {"column 0 top layer, colour 12", 2, 3.2f, TableColour(12)},
        {"column 1 row 0, colour 5", 5.5f, 0.5f, TableColour(5)},
        {"column 1 thin layer, colour 9", 5.5f, 1.1f, TableColour(9)},
        {"\"void macro\" layer", 2, 2.0f, kLightBlue},
        {"empty column", 8, 0.5f, kLightBlue},
        {"exactly \"void\" is not drawn", 5.5f, 2.0f, kWhite},
        {"beside the device", 10, 0.5f, kWhite},
    };
    for (const ColourCase& c : cases) EXPECT_EQ(At(c.x, c.y), c.expected) << c.what;
}

struct FlagCase {
    const char* what;
    int row;
    int selected, white, red;
    CRgb expected;
};

TEST_F(Scene2d, SelectionHighlightAndDropTargetOverrideTheColour)
{
    const FlagCase cases[] = {
        {"selected", 0, 1, 0, 0, {60, 60, 60}},
        {"highlighted", 0, 0, 1, 0, kWhite},
        {"drop target", 0, 0, 0, 1, {255, 0, 0}},
        {"selected drop target", 0, 1, 0, 1, {255, 0, 0}},
        {"selected and highlighted", 0, 1, 1, 0, kWhite},
        {"selected empty layer", 2, 1, 0, 0, {60, 60, 60}},
        {"empty drop target", 2, 0, 0, 1, {255, 0, 0}},
    };
    const float centreY[] = {0.5f, 1.1f, 2.0f};
    for (const FlagCase& c : cases) {
        Prepare();
        CLayerRec& l = seg.Column(0).Layer(c.row);
        l.m_nSelected = c.selected;
        l.m_nWhite = c.white;
        l.m_nRed = c.red;
        Render();
        EXPECT_EQ(At(2, centreY[c.row]), c.expected) << c.what;
        EXPECT_EQ(At(5.5f, 0.5f), TableColour(5)) << c.what << ": the neighbour keeps its colour";
        l.m_nSelected = l.m_nWhite = l.m_nRed = 0;
    }
}

TEST_F(Scene2d, EveryDrawnLayerHasABlackOutline)
{
    PrepareAndRender();
    EXPECT_TRUE(BlackNear(0, 0.5f)) << "left edge";
    EXPECT_TRUE(BlackNear(4, 0.5f)) << "edge between columns 0 and 1";
    EXPECT_TRUE(BlackNear(2, 1.0f)) << "edge between rows 0 and 1";
    EXPECT_TRUE(BlackNear(2, 3.7f)) << "top edge under the contact bar";
    EXPECT_TRUE(BlackNear(8, 1.2f)) << "top edge of an empty layer";
    EXPECT_TRUE(BlackNear(9, 0.5f)) << "right edge of the device";
    // One pixel wide: a few pixels inside the layer the colour is back.
    EXPECT_EQ(At(0.1f, 0.5f), TableColour(3));
    EXPECT_EQ(At(2, 0.9f), TableColour(3));
}

TEST_F(Scene2d, ContactBarsSitOnTheHighestAndUnderTheLowestNonEmptyLayer)
{
    PrepareAndRender();
    // Column 0: top range 1..3 above the top layer (y 3.7), bottom range 0.5..3.5 under row 0.
    EXPECT_EQ(At(2, 3.8f), kBlack);
    EXPECT_EQ(At(0.5f, 3.8f), kWhite) << "left of the top range";
    EXPECT_EQ(At(2, 4.0f), kWhite) << "above the bar";
    EXPECT_EQ(At(2, -0.1f), kBlack);
    EXPECT_EQ(At(0.25f, -0.1f), kWhite) << "left of the bottom range";
    // Column 1: its top layer is exactly "void", so the bar sits on the thin layer (top y 1.2).
    EXPECT_EQ(At(5.25f, 1.3f), kBlack);
    EXPECT_EQ(At(6.5f, 1.3f), kWhite) << "right of the range";
    // Column 2 has only empty layers: no bar at all.
    EXPECT_EQ(At(8, 1.3f), kWhite);
    EXPECT_EQ(At(8, -0.1f), kWhite);
}

TEST_F(Scene2d, ContactBarsKeepTheirScreenThicknessWhenZoomedInY)
{
    struct Zoom {
        float sy, ty;
    };
    for (Zoom z : {Zoom{1, 2}, Zoom{2, 2}, Zoom{5, -10}}) {
        view.sy = z.sy;
        view.ty = z.ty;
        SetProjection2d(view, kWidth, kHeight);
        PrepareAndRender();
        // 0.2 projection units are 7.5 pixels; the grey outline takes a pixel at each end.
        const float top = seg.Column(0).Layer(3).m_A.y;
        const int black = RunHeight(2, top - 0.1f / z.sy, top + 2 * view.contactBarThickness, kBlack);
        EXPECT_GE(black, 6) << "sy " << z.sy;
        EXPECT_LE(black, 9) << "sy " << z.sy;
    }
}

TEST_F(Scene2d, ThinLayersAreDrawnAtLeastTheContactBarThicknessTall)
{
    struct Zoom {
        float sy, ty;
        double pixels; // drawn height on screen
    };
    // 0.2 projection units are 7.5 pixels; at sy 40 the true 0.01 is taller (15 pixels).
    for (Zoom z : {Zoom{1, 2, 7.5}, Zoom{2, 2, 7.5}, Zoom{40, -37, 15}}) {
        view.sy = z.sy;
        view.ty = z.ty;
        SetProjection2d(view, kWidth, kHeight);
        PrepareAndRender();
        const int n = RunHeight(2, 0.95f, 1.0f + 2 * std::max(0.01f, view.contactBarThickness), TableColour(6));
        EXPECT_GE(n, z.pixels - 2.5) << "sy " << z.sy;
        EXPECT_LE(n, z.pixels + 0.5) << "sy " << z.sy;
    }
}

TEST_F(Scene2d, BackGridLinesEveryPointEightUnitsEveryFifthBlack)
{
    Render(true, false);
    // Model x = 0.8 i lies at pixel 75 + 30 i; the pixel row at model y 0.4 crosses no horizontal line.
    const int y = ProjectPoint(view, {0, 0.4f}).y;
    auto lineAt = [&](int x) {
        for (int dx = -1; dx <= 1; ++dx) {
            CRgb c = Pixel(x + dx, y);
            if (c == kBlack || c == kGrid) return c;
        }
        return kWhite;
    };
    for (int i = -2; i <= 23; ++i) {
        const int x = 75 + 30 * i;
        const bool major = i % 5 == 0;
        EXPECT_EQ(lineAt(x), major ? kBlack : kGrid) << "line " << i;
        EXPECT_EQ(Pixel(x + 15, y), kWhite) << "between lines " << i << " and " << i + 1;
    }
    // The grid lies behind the device.
    PrepareAndRender(true);
    EXPECT_EQ(At(0.8f, 0.5f), TableColour(3));
    EXPECT_EQ(lineAt(75 + 30 * 12), kGrid) << "x 9.6, right of the device";
}

TEST_F(Scene2d, MeshTrianglesAreStretchedIntoTheirLayerAsWhiteOutlines)
{
    // Plotted while column 0 row 0 was 2 wide; the layer is 4 wide now.
    CMeshElement e;
    e.m_nZSeg = 0;
    e.m_nColumn = 0;
    e.m_nRow = 0;
    e.m_Vertex[0] = CPoint3f(0, 0, 0);
    e.m_Vertex[1] = CPoint3f(2, 0, 0);
    e.m_Vertex[2] = CPoint3f(0, 1, 0);
    const float box[4] = {0, 2, 0, 1};
    std::copy(box, box + 4, e.m_fBox);
    seg.m_MeshTriangles.push_back(e);
    CMeshElement unassigned = e; // in no layer: never drawn
    unassigned.m_nColumn = unassigned.m_nRow = unassigned.m_nZSeg = -1;
    unassigned.m_Vertex[0] = CPoint3f(5, 0.2f, 0);
    unassigned.m_Vertex[1] = CPoint3f(6.5f, 0.2f, 0);
    unassigned.m_Vertex[2] = CPoint3f(5, 0.8f, 0);
    seg.m_MeshTriangles.push_back(unassigned);
    PrepareAndRender();

    auto whiteNear = [&](float x, float y) {
        CClientPoint p = ProjectPoint(view, {x, y});
        for (int dy = -1; dy <= 1; ++dy)
            if (Pixel(p.x, p.y + dy) == kWhite) return true;
        return false;
    };
    EXPECT_TRUE(whiteNear(2, 0.5f)) << "the long edge runs from (4, 0) to (0, 1)";
    EXPECT_EQ(At(1, 0.3f), TableColour(3)) << "inside the triangle the layer shows";
    EXPECT_FALSE(whiteNear(5.75f, 0.2f)) << "a triangle in no layer";
}

TEST_F(Scene2d, MeshOutlinesInOneBatchDrawTheSamePictureAsOneLoopPerTriangle)
{
    Prepare();
    // Triangles plotted into the layers' present boxes, so they are drawn where their vertices are.
    struct Tri {
        int column, row;
        float v[3][2];
    };
    const Tri tris[] = {{0, 0, {{0, 0}, {4, 0}, {0, 1}}},
                        {0, 0, {{4, 0}, {4, 1}, {0, 1}}},
                        {0, 3, {{0.5f, 2.8f}, {3.5f, 3.0f}, {2, 3.6f}}},
                        {1, 0, {{4, 0}, {7, 0.5f}, {5, 1}}}};
    for (const Tri& t : tris) {
        CMeshElement e;
        e.m_nZSeg = 0;
        e.m_nColumn = t.column;
        e.m_nRow = t.row;
        for (int i = 0; i < 3; ++i) e.m_Vertex[i] = CPoint3f(t.v[i][0], t.v[i][1], 0);
        const CLayerRec& l = seg.Column(t.column).Layer(t.row);
        const float box[4] = {l.m_C.x, l.m_B.x, l.m_C.y, l.m_A.y};
        std::copy(box, box + 4, e.m_fBox);
        seg.m_MeshTriangles.push_back(e);
    }
    LoadProjection2d(view);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawMesh2d(seg, 0);
    const std::vector<uint8_t> batched = gl.ReadFrame();

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glLineWidth(2.0f);
    for (const Tri& t : tris) {
        glBegin(GL_LINE_LOOP);
        for (const auto& v : t.v) glVertex3f(v[0], v[1], 1000.0f);
        glEnd();
    }
    glLineWidth(1.0f);
    const std::vector<uint8_t> loops = gl.ReadFrame();

    ASSERT_EQ(batched.size(), loops.size());
    size_t lit = 0, differing = 0;
    for (size_t i = 0; i < batched.size(); i += 3) {
        lit += batched[i] == 255;
        differing += batched[i] != loops[i] || batched[i + 1] != loops[i + 1] || batched[i + 2] != loops[i + 2];
    }
    EXPECT_GT(lit, 1000u) << "the outlines were drawn";
    EXPECT_EQ(differing, 0u);
}

TEST_F(Scene2d, NoZSegmentDrawsOnlyTheBackground)
{
    Render(false, false);
    EXPECT_EQ(At(2, 0.5f), kWhite);
    EXPECT_EQ(Pixel(400, 300), kWhite);
}

TEST_F(Scene2d, FitFillsEightyPercentOfTheWindowCentred)
{
    for (int i = 0; i < 3; ++i) {
        Prepare();
        float r[4];
        seg.GetBoundingRect(r);
        ASSERT_TRUE(FitStep2d(view, ModelRectOf(r), false));
    }
    PrepareAndRender();
    // The device is 9 wide and under 4 tall: the width limits, 640 of 800 pixels.
    const int y = ProjectPoint(view, {0, 0.5f}).y;
    int first = -1, last = -1;
    for (int x = 0; x < kWidth; ++x)
        if (!(Pixel(x, y) == kWhite)) {
            if (first < 0) first = x;
            last = x;
        }
    EXPECT_NEAR(last - first + 1, 640, 3);
    EXPECT_NEAR(first, kWidth - 1 - last, 3);
    // Vertically centred too: the layers' top and bottom edges lie equally far from the borders.
    float r[4];
    seg.GetBoundingRect(r);
    const int top = ProjectPoint(view, {2, r[0]}).y;
    const int bottom = ProjectPoint(view, {2, r[3]}).y;
    EXPECT_NEAR(top, kHeight - bottom, 4);
    EXPECT_FLOAT_EQ(view.sx, view.sy);
}

TEST_F(Scene2d, BatchedLayersDrawTheSamePictureAsOneLayerAtATime)
{
    Prepare();
    seg.Column(0).Layer(2).m_nSelected = 1;
    seg.Column(1).Layer(0).m_nRed = 1;
    LoadProjection2d(view);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawLayers2d(seg, 1);
    const std::vector<uint8_t> batched = gl.ReadFrame();

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    CLayerDrawOptions o;
    o.currentZSeg = 1;
    for (const CColumnRec& column : seg.GetColumns())
        for (const CLayerRec& layer : column.GetLayers())
            if (layer.m_Material.m_Bulk.m_strName != "void") DrawLayerGL(layer, o);
    const std::vector<uint8_t> single = gl.ReadFrame();

    ASSERT_EQ(batched.size(), single.size());
    size_t differing = 0;
    for (size_t i = 0; i < batched.size(); i += 3)
        differing += batched[i] != single[i] || batched[i + 1] != single[i + 1] || batched[i + 2] != single[i + 2];
    EXPECT_EQ(differing, 0u);
}

TEST_F(Scene2d, FlatDrawingLeavesTheStencilAloneThreeDMarksIt)
{
    Prepare();
    LoadProjection2d(view);
    glClearStencil(5);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    const CLayerRec& layer = seg.Column(0).Layer(0);
    CLayerDrawOptions o;
    o.currentZSeg = 1;
    DrawLayerGL(layer, o);
    CClientPoint p = ProjectPoint(view, {2, 0.5f});
    GLubyte stencil = 0;
    glReadPixels(p.x, kHeight - 1 - p.y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &stencil);
    EXPECT_EQ(stencil, 5);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));

    o.flat = false;
    o.noSides = false;
    DrawLayerGL(layer, o);
    glReadPixels(p.x, kHeight - 1 - p.y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &stencil);
    EXPECT_EQ(stencil, 1);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST)) << "the attributes are restored";
    EXPECT_EQ(At(2, 0.5f), TableColour(3)) << "front face seen head-on keeps the layer colour";
}

CContactRec SideContact(int side, float from, float to)
{
    CContactRec c;
    c.m_nSide = side;
    c.m_fFrom = from;
    c.m_fTo = to;
    return c;
}

void AddSideContacts(CZSegment& seg, int row, std::initializer_list<CContactRec> contacts)
{
    CContactList group;
    group.m_nRow = row;
    group.m_Contacts = contacts;
    seg.m_SideContacts.push_back(group);
}

TEST_F(Scene2d, SideContactsSitOnTheOutermostNonEmptyLayersOfTheirRow)
{
    // Row 0 is filled in columns 0 and 1 (column 2 holds an empty layer there); row 1 is the thin
    // layer, drawn 0.2 tall for its 0.01; row 2 holds only empty layers.
    AddSideContacts(seg, 0, {SideContact(0, 0, 1), SideContact(1, 0.25f, 0.75f)});
    AddSideContacts(seg, 1, {SideContact(0, 0.005f, 0.01f)});
    AddSideContacts(seg, 2, {SideContact(0, 0, 1.5f), SideContact(1, 0, 1.5f)});
    PrepareAndRender();
    // The bars are the contact-bar thickness (0.2 here) wide, out of the face.
    const ColourCase cases[] = {
        {"left contact on column 0's left face", -0.1f, 0.5f, kBlack},
        {"no wider than the bar thickness", -0.3f, 0.5f, kWhite},
        {"right contact on column 1's right face", 7.1f, 0.5f, kBlack},
        {"below the right contact's from", 7.1f, 0.1f, kLightBlue},
        {"above the right contact's to", 7.1f, 0.9f, kLightBlue},
        {"not on the last column's face", 9.1f, 0.5f, kWhite},
        {"thin layer: heights spread over the drawn edge", -0.1f, 1.15f, kBlack},
        {"thin layer: below the contact", -0.1f, 1.05f, kWhite},
        {"row without a non-empty layer: nothing left", -0.1f, 2.0f, kWhite},
        {"row without a non-empty layer: nothing right", 7.1f, 2.0f, kWhite},
    };
    for (const ColourCase& c : cases) EXPECT_EQ(At(c.x, c.y), c.expected) << c.what;
}

TEST_F(Scene2d, SideContactsAreKeptWithinTheirRowBeforeTheyAreDrawn)
{
    AddSideContacts(seg, 0, {SideContact(0, 0.5f, 4), SideContact(1, 0.25f, 0.5f)});
    PrepareAndRender();
    const CContactRec& cut = seg.m_SideContacts[0].m_Contacts[0];
    EXPECT_EQ(cut.m_fFrom, 0.5f);
    EXPECT_EQ(cut.m_fTo, 1.0f) << "cut back to the row's height";
    EXPECT_EQ(seg.m_SideContacts[0].m_Contacts[1].m_fTo, 0.5f);
    EXPECT_EQ(At(-0.1f, 0.9f), kBlack);
    EXPECT_EQ(At(-0.1f, 0.3f), kWhite) << "below its from";
    EXPECT_EQ(At(-0.1f, 1.5f), kWhite) << "drawn with the cut-back extent";
}

} // namespace
