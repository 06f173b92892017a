// Frame time of the 2-D view's scene for a large z-segment (20 columns x 500 layers) drawn
// offscreen at 1280 x 1024, next to a reference that draws the same rectangles and outlines in one
// glBegin(GL_QUADS) and one GL_LINES batch, in the same run. Every figure is the median of several
// repetitions; the run ends with the scene's time as a multiple of the reference's.

#include "model/ZSegment.h"
#include "render/LayerBatchCache.h"
#include "render/LayerDrawing.h"
#include "render/Scene2d.h"
#include "render/View2dState.h"
#include "BenchSupport.h"
#include "MedianReporter.h"
#include "render/DrawingFixture.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1280, kHeight = 1024;
constexpr int kColumns = 20, kRows = 500;

COffscreenGL& Context()
{
    static COffscreenGL gl(kWidth, kHeight);
    return gl;
}

CZSegment MakeLargeSegment()
{
    CZSegment seg = MakeGridSegment(kColumns, kRows, 0.02f, 0.01f, 0, 37);
    seg.m_Params.m_dZTo = 10.0;
    for (int c = 0; c < kColumns; ++c) {
        CColumnRec& column = seg.Column(c);
        for (int r = 0; r < kRows; ++r) {
            CLayerRec& l = column.Layer(r);
            l.m_nZSeg = 0;
            l.m_nColumn = c;
            l.m_nRow = r;
            l.m_wEdgeFlags = EDGE_LAST_ZSEG | EDGE_FIRST_ZSEG;
        }
        AddTopContact(seg, c, 0.2f, 0.8f);
        AddBottomContact(seg, c, 0.1f, 0.9f);
    }
    return seg;
}

// The device fitted into the window, as the view shows it after opening a file.
struct Fixture {
    CZSegment seg = MakeLargeSegment();
    CView2dState view;
    Fixture()
    {
        Context().MakeCurrent();
        SetupGL2d();
        SetProjection2d(view, kWidth, kHeight);
        for (int i = 0; i < 3; ++i) {
            seg.LayoutColumns(true, view.contactBarThickness, 0.0, 0.01);
            float r[4];
            seg.GetBoundingRect(r);
            FitStep2d(view, {r[0], r[1], r[2], r[3]}, false);
        }
        seg.LayoutColumns(true, view.contactBarThickness, 0.0, 0.01);
    }
};

Fixture& Shared()
{
    static Fixture f;
    return f;
}

bool ReadyOrSkip(benchmark::State& state) { return OffscreenReadyOrSkip(Context(), state); }

constexpr int kRepetitions = 7;

// The scene as the view paints frames without an edit between them: the layer batch of the
// z-segment is kept behind the drawing revision. Argument: back grid on (1) or off (0).
void BM_Scene2d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    CLayerBatchCache batches;
    CScene2d scene;
    scene.segment = &f.seg;
    scene.currentZSeg = 1;
    scene.backGrid = state.range(0) != 0;
    scene.layerBatches = &batches;
    scene.revision = 1;
    for (auto _ : state) {
        RenderScene2d(f.view, scene);
        glFinish();
    }
    state.counters["layers"] = kColumns * kRows;
    state.counters["batches built"] = batches.GetBuildCount();
}
BENCHMARK(BM_Scene2d)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

// The same scene when every frame gathers the layers again (an edit before every frame).
void BM_Scene2dEditedEveryFrame(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    CScene2d scene;
    scene.segment = &f.seg;
    scene.currentZSeg = 1;
    scene.backGrid = false;
    for (auto _ : state) {
        RenderScene2d(f.view, scene);
        glFinish();
    }
}
BENCHMARK(BM_Scene2dEditedEveryFrame)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

// The layers alone as the scene draws them (the batch rebuilt from the records every frame), the
// like-for-like figure next to the reference below.
void BM_Layers2dBatched(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    for (auto _ : state) {
        StartFrame2d(f.view);
        glPushMatrix();
        glTranslatef(0, 0, -10.0f);
        DrawLayers2d(f.seg, 1);
        glPopMatrix();
        glFinish();
    }
}
BENCHMARK(BM_Layers2dBatched)->Unit(benchmark::kMillisecond);

// The mesh outlines of a meshed device: two triangles in every non-empty layer.
void BM_Mesh2d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    static const CZSegment meshed = [&] {
        CZSegment seg = f.seg;
        for (const CColumnRec& column : seg.GetColumns())
            for (const CLayerRec& l : column.GetLayers()) {
                if (l.IsEmpty()) continue;
                CMeshElement e;
                e.m_nZSeg = 0;
                e.m_nColumn = l.m_nColumn;
                e.m_nRow = l.m_nRow;
                const float box[4] = {l.m_C.x, l.m_B.x, l.m_C.y, l.m_A.y};
                std::copy(box, box + 4, e.m_fBox);
                e.m_Vertex[0] = l.m_C;
                e.m_Vertex[1] = l.m_B;
                e.m_Vertex[2] = l.m_A;
                seg.m_MeshTriangles.push_back(e);
                e.m_Vertex[0] = l.m_B;
                e.m_Vertex[1] = l.m_D;
                seg.m_MeshTriangles.push_back(e);
            }
        return seg;
    }();
    for (auto _ : state) {
        StartFrame2d(f.view);
        DrawMesh2d(meshed, 0);
        glFinish();
    }
    state.counters["triangles"] = double(meshed.m_MeshTriangles.size());
}
BENCHMARK(BM_Mesh2d)->Unit(benchmark::kMillisecond);

// One DrawLayerGL (its own glBegin/glEnd and attribute push) per layer, for comparison.
void BM_LayersOneAtATime(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    CLayerDrawOptions o;
    o.currentZSeg = 1;
    for (auto _ : state) {
        StartFrame2d(f.view);
        glPushMatrix();
        glTranslatef(0, 0, -10.0f);
        for (const CColumnRec& column : f.seg.GetColumns())
            for (const CLayerRec& layer : column.GetLayers()) DrawLayerGL(layer, o);
        glPopMatrix();
        glFinish();
    }
}
BENCHMARK(BM_LayersOneAtATime)->Unit(benchmark::kMillisecond);

// The reference: the same rectangles and outlines, precomputed, in one quad and one line batch.
void BM_ReferenceBatch(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    std::vector<float> quads, lines;
    std::vector<CRgb> colours;
    for (const CColumnRec& column : f.seg.GetColumns())
        for (const CLayerRec& l : column.GetLayers()) {
            colours.push_back(LayerFillColour(l));
            for (const CPoint3f* p : {&l.m_C, &l.m_B, &l.m_D, &l.m_A}) quads.insert(quads.end(), {p->x, p->y});
            const CPoint3f* loop[5] = {&l.m_A, &l.m_C, &l.m_B, &l.m_D, &l.m_A};
            for (int i = 0; i < 4; ++i)
                lines.insert(lines.end(), {loop[i]->x, loop[i]->y, loop[i + 1]->x, loop[i + 1]->y});
        }
    for (auto _ : state) {
        StartFrame2d(f.view);
        glBegin(GL_QUADS);
        for (size_t i = 0; i < colours.size(); ++i) {
            glColor3ub(colours[i].r, colours[i].g, colours[i].b);
            for (int k = 0; k < 4; ++k) glVertex3f(quads[i * 8 + k * 2], quads[i * 8 + k * 2 + 1], 0.01f);
        }
        glEnd();
        glColor3ub(0, 0, 0);
        glBegin(GL_LINES);
        for (size_t i = 0; i + 1 < lines.size(); i += 2) glVertex3f(lines[i], lines[i + 1], 0.01f);
        glEnd();
        glFinish();
    }
}
BENCHMARK(BM_ReferenceBatch)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto reference = reporter.medians.find("BM_ReferenceBatch/repeats:7");
    if (reference == reporter.medians.end() || reference->second <= 0) return 0;
    std::printf("\nmedian frame time over the batched reference (%.2f ms):\n", reference->second);
    for (const char* name : {"BM_Scene2d/0/repeats:7", "BM_Scene2d/1/repeats:7", "BM_Scene2dEditedEveryFrame/repeats:7"}) {
        const auto found = reporter.medians.find(name);
        if (found != reporter.medians.end())
            std::printf("  %-40s %6.2f ms  %.2fx\n", name, found->second, found->second / reference->second);
    }
    return 0;
}
