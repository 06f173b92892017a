// Frame time of the 3-D view's scene for the largest device (40 z-segments of 20 columns x 50
// layers, with contacts, side contacts and their links) drawn offscreen at 1280 x 1024 without a
// stencil buffer, as the view's window has none; next to a reference that draws the same layer
// faces and outlines from vertex arrays built beforehand (one array of quads, one of lines), and
// next to an empty frame (background and axis triad). The ratios are printed at the end.

#include "model/ProcessState.h"
#include "document/TessaronDoc.h"
#include "render/LayerDrawing.h"
#include "render/OutlineFont.h"
#include "render/ProjectionMatrix.h"
#include "render/Scene3d.h"
#include "render/View3dState.h"
#include "BenchSupport.h"
#include "render/DrawingFixture.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1280, kHeight = 1024;
constexpr int kSegments = 40, kColumns = 20, kRows = 50;

COffscreenGL& Context()
{
    static COffscreenGL gl(kWidth, kHeight, 0);
    return gl;
}

CZSegment MakeSegment(int index)
{
    CZSegment seg = MakeGridSegment(kColumns, kRows, 0.05f, 0.02f, index, 0);
    seg.m_Params.m_dZFrom = 10.0 * index;
    seg.m_Params.m_dZTo = 10.0 * index + 10.0;
    // Contacts on the outer columns, continued from one z-segment to the next.
    for (int c : {0, kColumns - 1}) {
        AddTopContact(seg, c, 0.2f, 0.8f);
        AddBottomContact(seg, c, 0.1f, 0.9f);
        seg.Column(c).m_Contacts.Top(0).m_nLink = seg.Column(c).m_Contacts.Bottom(0).m_nLink = index > 0;
    }
    for (int side : {0, 1}) AddSideContact(seg, 0, side, 0.0f, 0.05f, index > 0);
    return seg;
}

// The device laid out and the camera fitted, as the view has them after opening it.
struct Fixture {
    CTessaronDoc doc;
    CView3dState view;
    CDeviceExtents extents;
    COutlineFont font;

    Fixture()
    {
        Context().MakeCurrent();
        SetupGL3d();
        font.Build();
        doc.m_ZSegments.clear();
        for (int i = 0; i < kSegments; ++i) doc.m_ZSegments.push_back(MakeSegment(i));
        g_nZSegCount = kSegments;
        g_nCurZSeg = kSegments;
        const double length = doc.m_ZSegments.back().m_Params.m_dZTo - doc.m_ZSegments.front().m_Params.m_dZFrom;
        ZoomOrigin3d(view, kSegments, length, [this] {
            Prepare();
            return DeviceSize3d(extents);
        });
        SetProjection3d(view, kWidth, kHeight);
        Prepare();
    }
    void Prepare()
    {
        doc.RefreshLayerEdges();
        doc.PrepareDrawing(view.thinLayers, view.contactBarThickness);
        extents = DeviceExtents3d(doc.m_ZSegments, kSegments);
    }
    CScene3d Scene(bool withDevice) const
    {
        CScene3d s;
        s.segments = &doc.m_ZSegments;
        s.segmentsInUse = withDevice ? kSegments : 0;
        s.currentZSeg = withDevice ? kSegments : 0;
        s.extents = extents;
        s.font = &font;
        return s;
    }
};

Fixture& Shared()
{
    static Fixture f;
    return f;
}

bool ReadyOrSkip(benchmark::State& state) { return OffscreenReadyOrSkip(Context(), state); }

// llvmpipe compiles its code for each new combination of state on first use; the frames before
// the timed ones let that happen outside the measurement, for the scene and the reference alike.
constexpr int kWarmUpFrames = 2;

void BM_Scene3d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    const CScene3d scene = f.Scene(true);
    for (int i = 0; i < kWarmUpFrames; ++i) RenderScene3d(f.view, scene);
    glFinish();
    for (auto _ : state) {
        RenderScene3d(f.view, scene);
        glFinish();
    }
    state.counters["layers"] = kSegments * kColumns * kRows;
}
BENCHMARK(BM_Scene3d)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_EmptyFrame3d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    const CScene3d scene = f.Scene(false);
    for (int i = 0; i < kWarmUpFrames; ++i) RenderScene3d(f.view, scene);
    glFinish();
    for (auto _ : state) {
        RenderScene3d(f.view, scene);
        glFinish();
    }
}
BENCHMARK(BM_EmptyFrame3d)->Unit(benchmark::kMillisecond)->UseRealTime();

// For comparison: one DrawLayerGL prism (its own glBegin/glEnd, attribute push and stencil
// marking) per layer, as the layers were drawn before they were batched.
void BM_LayersOneAtATime3d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    double model[16];
    SceneModelMatrix3d(f.view, f.Scene(true), model);
    CLayerDrawOptions o;
    o.flat = false;
    o.noSides = false;
    o.currentZSeg = kSegments;
    auto frame = [&] {
        LoadProjection3d(f.view);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMultMatrixd(model);
        for (const CZSegment& seg : f.doc.m_ZSegments)
            for (const CColumnRec& column : seg.GetColumns())
                for (const CLayerRec& layer : column.GetLayers()) DrawLayerGL(layer, o);
        glFinish();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) frame();
    for (auto _ : state) frame();
}
BENCHMARK(BM_LayersOneAtATime3d)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference's geometry: every face of every layer with its colour, and the outline of every
// exposed face as separate segments, built once.
struct ReferenceArrays {
    std::vector<float> quads, lines;
    std::vector<unsigned char> quadRgb, lineRgb;

    void Quad(const CPoint3f* p[4], const float z[4], CRgb c)
    {
        for (int k = 0; k < 4; ++k) {
            quads.insert(quads.end(), {p[k]->x, p[k]->y, z[k]});
            quadRgb.insert(quadRgb.end(), {c.r, c.g, c.b});
        }
    }
    void Loop(const CPoint3f* p[4], const float z[4], CRgb c)
    {
        for (int k = 0; k < 4; ++k)
            for (int e : {k, (k + 1) % 4}) {
                lines.insert(lines.end(), {p[e]->x, p[e]->y, z[e]});
                lineRgb.insert(lineRgb.end(), {c.r, c.g, c.b});
            }
    }
    explicit ReferenceArrays(const CTessaronDoc& doc)
    {
        for (const CZSegment& seg : doc.m_ZSegments)
            for (const CColumnRec& column : seg.GetColumns())
                for (const CLayerRec& l : column.GetLayers()) {
                    const CRgb fill = LayerFillColour(l), edge = ShadeColour(fill, 0.95);
                    const float b = l.m_fZFrom, f = l.m_fZTo;
                    const float front[4] = {f, f, f, f}, back[4] = {b, b, b, b}, side[4] = {b, b, f, f};
                    const CPoint3f* fr[4] = {&l.m_C, &l.m_B, &l.m_D, &l.m_A};
                    const CPoint3f* bk[4] = {&l.m_A, &l.m_D, &l.m_B, &l.m_C};
                    const CPoint3f* tp[4] = {&l.m_A, &l.m_D, &l.m_D, &l.m_A};
                    const CPoint3f* bt[4] = {&l.m_C, &l.m_B, &l.m_B, &l.m_C};
                    const CPoint3f* lf[4] = {&l.m_A, &l.m_C, &l.m_C, &l.m_A};
                    const CPoint3f* rt[4] = {&l.m_D, &l.m_B, &l.m_B, &l.m_D};
                    Quad(fr, front, fill);
                    Quad(bk, back, fill);
                    Quad(tp, side, ShadeColour(fill, 0.77));
                    Quad(bt, side, ShadeColour(fill, 0.77));
                    Quad(lf, side, ShadeColour(fill, 0.72));
                    Quad(rt, side, ShadeColour(fill, 0.72));
                    const unsigned flags = l.m_wEdgeFlags;
                    if (flags & EDGE_LAST_ZSEG) Loop(fr, front, edge);
                    if (flags & EDGE_FIRST_ZSEG) Loop(bk, back, edge);
                    if (flags & EDGE_TOP_LAYER) Loop(tp, side, edge);
                    if (flags & EDGE_BOTTOM_LAYER) Loop(bt, side, edge);
                    if (flags & EDGE_LEFT_FACE) Loop(lf, side, edge);
                    if (flags & EDGE_RIGHT_FACE) Loop(rt, side, edge);
                }
    }
};

void BM_ReferenceArrays3d(benchmark::State& state)
{
    if (!ReadyOrSkip(state)) return;
    Fixture& f = Shared();
    const ReferenceArrays arrays(f.doc);
    double model[16];
    SceneModelMatrix3d(f.view, f.Scene(true), model);
    auto frame = [&] {
        LoadProjection3d(f.view);
        glClearColor(kScene3dBackground, kScene3dBackground, kScene3dBackground, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMultMatrixd(model);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glDisable(GL_LIGHTING);
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1, 1);
        glVertexPointer(3, GL_FLOAT, 0, arrays.quads.data());
        glColorPointer(3, GL_UNSIGNED_BYTE, 0, arrays.quadRgb.data());
        glDrawArrays(GL_QUADS, 0, GLsizei(arrays.quads.size() / 3));
        glDisable(GL_POLYGON_OFFSET_FILL);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glVertexPointer(3, GL_FLOAT, 0, arrays.lines.data());
        glColorPointer(3, GL_UNSIGNED_BYTE, 0, arrays.lineRgb.data());
        for (float width : {1.5f, 1.8f}) {
            glLineWidth(width);
            glDrawArrays(GL_LINES, 0, GLsizei(arrays.lines.size() / 3));
        }
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
        glFinish();
    };
    for (int i = 0; i < kWarmUpFrames; ++i) frame();
    for (auto _ : state) frame();
    state.counters["quads"] = double(arrays.quads.size() / 12);
    state.counters["segments"] = double(arrays.lines.size() / 6);
}
BENCHMARK(BM_ReferenceArrays3d)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Collects every run's real time per iteration so the ratios can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.iterations > 0) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

double Find(const std::map<std::string, double>& times, const std::string& prefix)
{
    for (const auto& [name, time] : times)
        if (name.rfind(prefix, 0) == 0) return time;
    return 0.0;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double scene = Find(reporter.times, "BM_Scene3d");
    const double reference = Find(reporter.times, "BM_ReferenceArrays3d");
    const double empty = Find(reporter.times, "BM_EmptyFrame3d");
    const double single = Find(reporter.times, "BM_LayersOneAtATime3d");
    if (scene > 0 && reference > 0)
        std::printf("whole device / reference arrays of the same faces and outlines: %.2f\n", scene / reference);
    if (scene > 0 && empty > 0) std::printf("whole device / empty frame: %.1f\n", scene / empty);
    if (single > 0 && reference > 0)
        std::printf("layers one at a time / reference arrays: %.2f\n", single / reference);
    benchmark::Shutdown();
    return 0;
}
