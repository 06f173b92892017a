// The mesh plot as the user sees it in the 2-D view: the Mesh menu's commands run the stand-in
// mesher tools, and the triangles appear as white outlines in their layers; Clear removes them.

#include "CommandIds.h"
#include "model/ProcessState.h"
#include "render/LayerDrawing.h"
#include "render/MeshDrawing.h"
#include "render/Scene2d.h"
#include "render/View2dState.h"
#include "support/DocFixture.h"
#include "support/OffscreenGL.h"
#include "support/RecordingClock.h"
#include "support/StandInTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const CRgb kWhite{255, 255, 255};
const CRgb kLightBlue{176, 216, 255};

CRgb Colour(int index)
{
    CRgb c;
    EXPECT_TRUE(MaterialIndexColour(index, c.r, c.g, c.b));
    return c;
}

CLayerRec ColouredLayer(const std::string& bulk, int colour)
{
    CLayerRec layer = MakeLayer(bulk, 1, 4);
    layer.m_nColour = colour;
    return layer;
}

class MeshPlot : public DocFixture {
protected:
    static constexpr int kWidth = 800, kHeight = 600;

    void SetUp() override
    {
        ASSERT_TRUE(gl.IsValid()) << gl.Error();
        SetupGL2d();
        SetProjection2d(view, kWidth, kHeight);
        app.installRoot = root.Path();
        InstallStandInTools(root.Path(), "corvex");
    }

    // Each z-segment: column 0 with layers (0..4, 0..1) in colour 3 and (0..4, 1..2) in colour 5,
    // which the stand-in mesh splits into two triangles each; column 1 an empty layer (4..8, 0..1),
    // drawn light blue, under the stand-in's triangle that lies in no layer. Saved as seg<n>.layer.
    void MakeDevice(int count)
    {
        UseZSegments(count);
        for (int z = 0; z < count; ++z) {
            Seg(z).AppendColumn(MakeColumn({ColouredLayer("gaas", 3), ColouredLayer("inp", 5)}));
            Seg(z).AppendColumn(MakeColumn({ColouredLayer("void macro", 0)}));
            Seg(z).m_strLayerFile = work.Write("seg" + std::to_string(z + 1) + ".layer", "begin_layer\n");
        }
    }

    // Draws z-segment number `current` (from 1) as the 2-D view does.
    void Render(int current)
    {
        doc().SetThinLayerHeight(2, true, view.contactBarThickness);
        doc().SelectZsegment(current - 1);
        CScene2d scene;
        scene.segment = &Seg(current - 1);
        scene.currentZSeg = current;
        scene.backGrid = false;
        RenderScene2d(view, scene);
        glFinish();
    }

    CRgb Pixel(int x, int y) const
    {
        const auto p = gl.ClientPixel(x, y);
        return {p[0], p[1], p[2]};
    }
    CRgb At(float x, float y) const
    {
        const CClientPoint p = ProjectPoint(view, {x, y});
        return Pixel(p.x, p.y);
    }
    // A white line passes within a pixel of the model point (lines are 2 wide).
    bool WhiteNear(float x, float y) const
    {
        const CClientPoint p = ProjectPoint(view, {x, y});
        for (int dy = -1; dy <= 1; ++dy)
            if (Pixel(p.x, p.y + dy) == kWhite)
                return true;
        return false;
    }
    // The diagonals the stand-in mesh draws through the middle of each layer of column 0.
    void ExpectMeshShown(int current)
    {
        EXPECT_TRUE(WhiteNear(2, 0.5f)) << "z-segment " << current << ", lower layer";
        EXPECT_TRUE(WhiteNear(2, 1.5f)) << "z-segment " << current << ", upper layer";
        EXPECT_EQ(At(1, 0.3f), Colour(3)) << "inside a triangle the layer shows";
        EXPECT_EQ(At(6.5f, 0.5f), kLightBlue) << "the triangle in no layer is not drawn";
    }
    void ExpectNoMesh(int current)
    {
        EXPECT_EQ(At(2, 0.5f), Colour(3)) << "z-segment " << current;
        EXPECT_EQ(At(2, 1.5f), Colour(5)) << "z-segment " << current;
    }

    COffscreenGL gl{kWidth, kHeight};
    CView2dState view;
    TempFolder root;
    TempFolder work;
    RecordingClock clock;
};

}  // namespace

TEST_F(MeshPlot, PlotShowsTheCurrentZSegmentsMeshAndClearRemovesIt)
{
    MakeDevice(1);
    Render(1);
    ExpectNoMesh(1);

    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT));
    EXPECT_TRUE(prompts.Texts().empty());
    Render(1);
    ExpectMeshShown(1);

    ASSERT_TRUE(doc().OnCommand(ID_MESH_CLEAR));
    Render(1);
    ExpectNoMesh(1);
}

TEST_F(MeshPlot, PlotAllShowsEachZSegmentsOwnMesh)
{
    MakeDevice(2);
    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT_ALL));
    EXPECT_TRUE(prompts.Texts().empty());
    for (int current : {1, 2}) {
        Render(current);
        ExpectMeshShown(current);
    }
    ASSERT_TRUE(doc().OnCommand(ID_MESH_CLEAR_ALL));
    for (int current : {1, 2}) {
        Render(current);
        ExpectNoMesh(current);
    }
}

TEST_F(MeshPlot, AFailedPlotKeepsTheMeshOnTheScreen)
{
    MakeDevice(1);
    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT));
    InstallStandInTool(root.Path(), "corvex", "failing/shapegen", "shapegen");
    prompts.AllowUnscripted();
    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT));
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"shapegen failed with exit code 3"});
    Render(1);
    ExpectMeshShown(1);
}

TEST_F(MeshPlot, WideningALayerAfterThePlotStretchesItsTriangles)
{
    MakeDevice(1);
    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT));
    CLayerRec& lower = Seg(0).Column(0).Layer(0);
    lower.m_fWidth = lower.m_fLowerWidth = lower.m_fUpperWidth = 8;
    Render(1);
    EXPECT_TRUE(WhiteNear(4, 0.5f)) << "the diagonal now runs from (8, 0) to (0, 1)";
    EXPECT_FALSE(WhiteNear(2, 0.5f));
    // The upper layer keeps its size; its diagonal still runs through the middle of its outline.
    const CLayerRec& upper = Seg(0).GetColumn(0).GetLayer(1);
    EXPECT_TRUE(WhiteNear((upper.m_C.x + upper.m_B.x) / 2, 1.5f));
}

TEST_F(MeshPlot, OutlinesAreDrawnAtTheHeightAsked)
{
    // The 3-D view draws a z-segment's mesh at its "z from" and "z to": the height is the caller's.
    MakeDevice(1);
    ASSERT_TRUE(doc().OnCommand(ID_MESH_PLOT));
    doc().PrepareDrawing(false, 0.0f);
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 9, -1, 3, -10, 10);  // depths beyond 10 are clipped
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);

    const auto whitePixels = [&](float z) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawMeshOutlines(Seg(0), 0, z);
        glFinish();
        const std::vector<uint8_t> frame = gl.ReadFrame();
        size_t n = 0;
        for (size_t i = 0; i < frame.size(); i += 3)
            n += frame[i] == 255 && frame[i + 1] == 255 && frame[i + 2] == 255;
        return n;
    };
    EXPECT_GT(whitePixels(-5.0f), 1000u);
    EXPECT_EQ(whitePixels(-50.0f), 0u) << "beyond the far plane";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
    EXPECT_EQ(whitePixels(-5.0f), whitePixels(5.0f)) << "the same outlines at another height";
}
