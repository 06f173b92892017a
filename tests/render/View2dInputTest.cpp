// The 2-D view's gestures as functions: which layers a press, a drag and a release pick, and which
// document commands they issue, in which order.

#include "render/View2dInput.h"

#include "CommandIds.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

// Layer references print as (column, row).
static void PrintTo(const CLayerRef& layer, std::ostream* os) { *os << "(" << layer.column << ", " << layer.row << ")"; }

namespace {

using Calls = std::vector<std::string>;

// The document as the gestures see it, recording what they ask for. Selection and layout are the
// document's own; with `actOnCommands` Layer Cut and Layer Paste also do to the layers what the
// document's commands do (the cut layer leaves its column, a column left empty goes; the pasted
// layer goes in above the selected one), so that a test can see where a moved layer lands.
class RecordingDoc : public IView2dDocument {
public:
    RecordingDoc(CTessaronDoc& doc, const CView2dState& view) : m_doc(doc), m_view(view) {}

    int SegmentsInUse() const override { return g_nZSegCount; }
    int CurrentSegmentNumber() const override { return g_nCurZSeg; }
    const CZSegment* CurrentSegment() const override { return m_doc.GetCurrentZSegment(); }
    bool HasSelection() const override { return m_doc.m_bHasSelection != 0; }
    void PrepareDrawing() override { m_doc.PrepareDrawing(true, m_view.contactBarThickness); }
    void SetSelection(int zseg, int column, int row) override
    {
        m_doc.SetSelection(zseg, column, row);
        calls.push_back("Select " + std::to_string(zseg) + " " + std::to_string(column) + " " + std::to_string(row));
    }
    void SetDropTarget(CLayerRef layer, bool on) override
    {
        m_doc.GetCurrentZSegment()->Column(layer.column).Layer(layer.row).m_nRed = on ? 1 : 0;
    }
    void SendCommand(int id) override
    {
        switch (id) {
        case ID_LAYER_COPY: calls.push_back("Copy"); break;
        case ID_LAYER_CUT: calls.push_back("Cut"); break;
        case ID_LAYER_PASTE: calls.push_back("Paste"); break;
        case ID_LAYER_MODIFY: calls.push_back("Modify"); break;
        default: calls.push_back("Command " + std::to_string(id));
        }
        if (actOnCommands) ActOn(id);
    }
    // The document's own enabling rules, except for the commands a test has it refuse.
    bool IsCommandEnabled(int id) const override
    {
        if (refused.count(id)) return false;
        const CommandState state = m_doc.QueryCommand(id);
        return state.handled && state.enabled;
    }
    void UpdateAllViews() override { ++updates; }

    Calls calls;
    std::set<int> refused;
    int updates = 0;
    bool actOnCommands = false;

private:
    void ActOn(int id)
    {
        CZSegment& seg = *m_doc.GetCurrentZSegment();
        const int c = seg.m_nSelectedColumn, r = seg.m_nSelectedRow;
        if (id == ID_LAYER_COPY || id == ID_LAYER_CUT) m_clip = seg.GetColumn(c).GetLayer(r);
        if (id == ID_LAYER_CUT) {
            m_doc.DeleteLayerFromColumn(c, r);
            m_doc.TidyCurrentZsegment();
            m_doc.SetSelection(-1, -1, -1);
        }
        if (id == ID_LAYER_PASTE) seg.Column(c).InsertLayer(r + 1, m_clip);
    }

    CTessaronDoc& m_doc;
    const CView2dState& m_view;
    CLayerRec m_clip;
};

// Three columns of layers 1 thick and 2 wide, named after their place:
//   column 0: A0 A1 A2    column 1: B0    column 2: C0 C1
// At 800 x 600 pixels with the view's start values one model unit is 37.5 pixels.
class Gestures2d : public DocFixture {
protected:
    CView2dState view;
    CInput2dState input;
    RecordingDoc rec{doc(), view};

    void SetUp() override
    {
        UseZSegments(1);
        AddColumn(0, {"A0", "A1", "A2"});
        AddColumn(0, {"B0"});
        AddColumn(0, {"C0", "C1"});
        SetProjection2d(view, 800, 600);
        doc().PrepareDrawing(true, view.contactBarThickness);
    }

    // The window point at the centre of a layer, and at a model point.
    CClientPoint Centre(int column, int row) const { return ProjectPoint(view, {2.0f * column + 1, row + 0.5f}); }
    CClientPoint At(float x, float y) const { return ProjectPoint(view, {x, y}); }

    static CMouse2d Mouse(CClientPoint p, bool left, bool right = false, bool shift = false, bool ctrl = false)
    {
        CMouse2d m;
        m.x = p.x;
        m.y = p.y;
        m.left = left;
        m.right = right;
        m.shift = shift;
        m.ctrl = ctrl;
        return m;
    }

    CInput2dResult Press(CClientPoint p, bool shift = false) { return LeftButtonDown2d(input, view, rec, Mouse(p, true, false, shift)); }
    CInput2dResult Move(CClientPoint p, bool shift = false) { return MouseMove2d(input, view, rec, true, Mouse(p, true, false, shift)); }
    CInput2dResult Release(CClientPoint p, bool ctrl = false) { return LeftButtonUp2d(input, rec, Mouse(p, false, false, false, ctrl)); }

    // A left drag from one point to another in a few moves, released with or without CTRL.
    void Drag(CClientPoint from, CClientPoint to, bool ctrl = false, bool shift = false)
    {
        Press(from, shift);
        for (int k = 1; k <= 3; ++k)
            Move({from.x + (to.x - from.x) * k / 3, from.y + (to.y - from.y) * k / 3}, shift);
        Release(to, ctrl);
    }

    CZSegment& Segment() { return Seg(0); }
    std::string NameAt(int column, int row) { return LayerAt(0, column, row).m_Material.m_Bulk.m_strName; }
    int SelectedColumn() { return Segment().m_nSelectedColumn; }
    int SelectedRow() { return Segment().m_nSelectedRow; }
};

// ---- press ----

TEST_F(Gestures2d, APressOnALayerSelectsItAndAsksForTheLayerPrompt)
{
    const CInput2dResult r = Press(Centre(2, 1));
    EXPECT_TRUE(r.captureMouse);
    EXPECT_EQ(r.prompt, 2);
    EXPECT_EQ(r.cursor, ECursor2d::Unchanged);
    EXPECT_EQ(rec.calls, Calls{"Select 0 2 1"});
    EXPECT_EQ(rec.updates, 1);
    EXPECT_TRUE(doc().m_bHasSelection);
    EXPECT_EQ(LayerAt(0, 2, 1).m_nSelected, 1);
    EXPECT_EQ(input.dragSource, (CLayerRef{2, 1}));
    // The drag rectangle is the layer's own, in window pixels.
    EXPECT_NEAR(input.dragRect.Width(), 75, 1);
    EXPECT_NEAR(input.dragRect.Height(), 37.5, 1);
}

TEST_F(Gestures2d, APressOnTheSelectedLayerClearsTheSelectionAndTheNextDragPans)
{
    Press(Centre(0, 0));
    Release(Centre(0, 0));
    rec.calls.clear();
    const CInput2dResult r = Press(Centre(0, 0));
    EXPECT_EQ(r.cursor, ECursor2d::Pan);
    EXPECT_EQ(r.prompt, 2);
    EXPECT_EQ(rec.calls, Calls{"Select -1 -1 -1"});
    EXPECT_FALSE(doc().m_bHasSelection);
    EXPECT_FALSE(input.dragSource.IsSet());

    const float tx = view.tx;
    Move({Centre(0, 0).x + 40, Centre(0, 0).y});
    EXPECT_EQ(input.gesture, EGesture2d::Pan);
    EXPECT_NE(view.tx, tx);
    Release(Centre(2, 0));
    EXPECT_EQ(rec.calls, Calls{"Select -1 -1 -1"}) << "no copy";
}

TEST_F(Gestures2d, APressBesideEveryLayerClearsTheSelectionAndAsksForTheSpacePrompt)
{
    Press(Centre(1, 0));
    rec.calls.clear();
    const CInput2dResult r = Press(At(3, 5));
    EXPECT_EQ(r.prompt, 3);
    EXPECT_EQ(r.cursor, ECursor2d::Pan);
    EXPECT_EQ(rec.calls, Calls{"Select -1 -1 -1"});
    EXPECT_FALSE(doc().m_bHasSelection);
}

TEST_F(Gestures2d, AShiftPressKeepsTheSelectionAndTheDragPansTheModelUnderTheCursor)
{
    Press(Centre(0, 0));
    Release(Centre(0, 0));
    rec.calls.clear();
    const CClientPoint from = At(3, 3), to = At(5, 2);
    const CInput2dResult r = Press(from, true);
    EXPECT_EQ(r.cursor, ECursor2d::Pan);
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(rec.updates, 1) << "only the first press updated the views";
    const CModelPoint grabbed = UnProjectPoint(view, from);
    Move(to, true);
    const CModelPoint under = UnProjectPoint(view, to);
    EXPECT_NEAR(under.x, grabbed.x, 0.03);
    EXPECT_NEAR(under.y, grabbed.y, 0.03);
    Release(to);
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_TRUE(doc().m_bHasSelection);
}

// ---- layer drag ----

TEST_F(Gestures2d, ADragOntoAnotherLayerCopiesTheLayerThere)
{
    Press(Centre(0, 0));
    Move({Centre(0, 0).x + 20, Centre(0, 0).y});
    Move(Centre(2, 1));
    EXPECT_EQ(input.gesture, EGesture2d::LayerDrag);
    EXPECT_TRUE(input.overTarget);
    EXPECT_EQ(input.dropTarget, (CLayerRef{2, 1}));
    EXPECT_EQ(LayerAt(0, 2, 1).m_nRed, 1) << "the target is drawn red";
    EXPECT_EQ(LayerAt(0, 2, 0).m_nRed, 0);

    rec.calls.clear();
    const CInput2dResult r = Release(Centre(2, 1));
    EXPECT_TRUE(r.releaseMouse);
    EXPECT_TRUE(r.invalidate);
    EXPECT_EQ(rec.calls, (Calls{"Copy", "Select 0 2 1", "Paste"}));
    EXPECT_EQ(LayerAt(0, 2, 1).m_nRed, 0);
    EXPECT_EQ(input.gesture, EGesture2d::Idle);
    EXPECT_FALSE(input.dropTarget.IsSet());
}

TEST_F(Gestures2d, ADragDoesNothingTheMenusWouldNotDo)
{
    struct Case {
        const char* what;
        int refused;  // the command whose menu item is disabled
        bool ctrl;    // a move rather than a copy
    };
    const Case cases[] = {{"copy disabled", ID_LAYER_COPY, false}, {"cut disabled", ID_LAYER_CUT, true}};
    for (const Case& c : cases) {
        rec.refused = {c.refused};
        rec.calls.clear();
        Drag(Centre(0, 0), Centre(2, 1), c.ctrl);
        EXPECT_EQ(rec.calls, (Calls{"Select 0 0 0"})) << c.what;
        EXPECT_EQ(NameAt(0, 0), "A0") << c.what;
        EXPECT_EQ(LayerAt(0, 2, 1).m_nRed, 0) << c.what;
        doc().SetSelection(-1, -1, -1);
    }
    // The rules are the document's: the drag of a layer it lets the menu copy goes through.
    rec.refused.clear();
    rec.calls.clear();
    Drag(Centre(0, 0), Centre(2, 1));
    EXPECT_EQ(rec.calls, (Calls{"Select 0 0 0", "Copy", "Select 0 2 1", "Paste"}));
}

TEST_F(Gestures2d, TheTargetFollowsTheRectanglesCentreAndOnlyTheLastOneStaysRed)
{
    Press(Centre(0, 0));
    Move(Centre(1, 0));
    EXPECT_EQ(LayerAt(0, 1, 0).m_nRed, 1);
    const CInput2dResult r = Move(Centre(2, 0));
    EXPECT_TRUE(r.moveDragRect);
    EXPECT_EQ(r.oldDragRect.left + (Centre(2, 0).x - Centre(1, 0).x), input.dragRect.left);
    EXPECT_EQ(LayerAt(0, 1, 0).m_nRed, 0);
    EXPECT_EQ(LayerAt(0, 2, 0).m_nRed, 1);
    // Off every layer: no target, nothing red.
    Move(At(3, 8));
    EXPECT_FALSE(input.overTarget);
    EXPECT_EQ(LayerAt(0, 2, 0).m_nRed, 0);
    rec.calls.clear();
    Release(At(3, 8));
    EXPECT_TRUE(rec.calls.empty()) << "released over no layer: nothing copied";
}

TEST_F(Gestures2d, ADragShorterThanSixPixelsCopiesNothing)
{
    Press(Centre(0, 0));
    Move({Centre(0, 0).x + 5, Centre(0, 0).y - 5});
    EXPECT_FALSE(input.overTarget);
    EXPECT_FALSE(Move({Centre(0, 0).x + 5, Centre(0, 0).y + 5}).moveDragRect);
    rec.calls.clear();
    Release(Centre(0, 0));
    EXPECT_TRUE(rec.calls.empty());
}

// A drag that went over another layer and came back to where it started is no drop: the target
// it passed is not copied onto.
TEST_F(Gestures2d, ADragThatReturnsToItsStartCopiesNothing)
{
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl ? "with CTRL" : "without CTRL");
        Press(Centre(0, 0));
        Move({Centre(0, 0).x + 20, Centre(0, 0).y});
        Move(Centre(2, 1));
        ASSERT_TRUE(input.overTarget);
        Move({Centre(0, 0).x + 2, Centre(0, 0).y + 1});
        rec.calls.clear();
        Release(Centre(0, 0), ctrl);
        EXPECT_TRUE(rec.calls.empty());
        EXPECT_EQ(input.gesture, EGesture2d::Idle);
        Press(At(3, 8)); // clears the selection for the next round
        Release(At(3, 8));
    }
}

TEST_F(Gestures2d, ALayerDroppedOnItselfStaysAsItWas)
{
    for (bool ctrl : {false, true}) {
        SCOPED_TRACE(ctrl ? "with CTRL" : "without CTRL");
        rec.actOnCommands = true;
        // Far enough for a drag, not far enough to leave the layer.
        Press(Centre(0, 1));
        Move({Centre(0, 1).x, Centre(0, 1).y - 10});
        EXPECT_TRUE(input.overTarget);
        EXPECT_EQ(input.dropTarget, (CLayerRef{0, 1}));
        EXPECT_EQ(LayerAt(0, 0, 1).m_nRed, 1);
        rec.calls.clear();
        Release(Centre(0, 1), ctrl);
        EXPECT_TRUE(rec.calls.empty());
        EXPECT_EQ(Segment().GetColumn(0).GetLayersInUse(), 3);
        EXPECT_EQ(LayerAt(0, 0, 1).m_nRed, 0);
        Press(At(3, 8)); // clears the selection for the next round
        Release(At(3, 8));
    }
}

TEST_F(Gestures2d, ACtrlDragMovesTheLayerCutFirstThenPastedOnTheTarget)
{
    Drag(Centre(2, 0), Centre(0, 0), true);
    EXPECT_EQ(rec.calls, (Calls{"Select 0 2 0", "Cut", "Select 0 0 0", "Paste"}));
}

struct MoveCase {
    const char* what;
    CLayerRef source, target;
    CLayerRef selectedForPaste; // the target's place once the source is cut
    const char* pastedAbove;    // the layer the moved one lands on
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.what; }

class MovedLayer : public Gestures2d, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MovedLayer, LandsAboveTheLayerItWasDroppedOn)
{
    const MoveCase& c = GetParam();
    rec.actOnCommands = true;
    const std::string moved = NameAt(c.source.column, c.source.row);
    Drag(Centre(c.source.column, c.source.row), Centre(c.target.column, c.target.row), true);
    const std::string paste = "Select 0 " + std::to_string(c.selectedForPaste.column) + " " +
                              std::to_string(c.selectedForPaste.row);
    ASSERT_EQ(rec.calls.size(), 4u);
    EXPECT_EQ(rec.calls[2], paste);
    const CLayerRef at = c.selectedForPaste;
    EXPECT_EQ(NameAt(at.column, at.row), c.pastedAbove);
    EXPECT_EQ(NameAt(at.column, at.row + 1), moved);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MovedLayer,
    ::testing::Values(MoveCase{"up in its column", {0, 0}, {0, 2}, {0, 1}, "A2"},
                      MoveCase{"down in its column", {0, 2}, {0, 0}, {0, 0}, "A0"},
                      MoveCase{"from a column that keeps layers", {0, 1}, {2, 0}, {2, 0}, "C0"},
                      MoveCase{"out of a column that goes, to a column after it", {1, 0}, {2, 1}, {1, 1}, "C1"},
                      MoveCase{"out of a column that goes, to a column before it", {1, 0}, {0, 1}, {0, 1}, "A1"}),
    [](const ::testing::TestParamInfo<MoveCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(Gestures2d, ADragWithoutCtrlCopiesEvenWhenCtrlWasHeldOnTheWay)
{
    Press(Centre(0, 0));
    MouseMove2d(input, view, rec, true, Mouse(Centre(1, 0), true, false, false, true));
    rec.calls.clear();
    Release(Centre(1, 0), false);
    EXPECT_EQ(rec.calls, (Calls{"Copy", "Select 0 1 0", "Paste"}));
}

TEST_F(Gestures2d, ShiftDuringADragTurnsItIntoAPan)
{
    Press(Centre(0, 0));
    Move(Centre(1, 0), true);
    EXPECT_EQ(input.gesture, EGesture2d::Pan);
    rec.calls.clear();
    Release(Centre(1, 0));
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(Gestures2d, ADoubleClickActsAsOneClick)
{
    // A double click arrives as press, release, double click, release; the double click is no
    // press, so the layer stays selected.
    Press(Centre(1, 0));
    Release(Centre(1, 0));
    Release(Centre(1, 0));
    EXPECT_EQ(rec.calls, Calls{"Select 0 1 0"});
    EXPECT_TRUE(doc().m_bHasSelection);
    EXPECT_EQ(LayerAt(0, 1, 0).m_nSelected, 1);
}

// ---- zoom, right button, menu ----

TEST_F(Gestures2d, ATwoButtonDragZoomsTheSwitchedOnAxes)
{
    const CClientPoint p = At(3, 3);
    LeftButtonDown2d(input, view, rec, Mouse(p, true));
    const CInput2dResult down = RightButtonDown2d(input, view, rec, Mouse(p, true, true));
    EXPECT_EQ(down.cursor, ECursor2d::Zoom);
    const CInput2dResult r = MouseMove2d(input, view, rec, true, Mouse({p.x, p.y - 10}, true, true));
    EXPECT_TRUE(r.setProjection);
    EXPECT_EQ(input.gesture, EGesture2d::Zoom);
    EXPECT_FLOAT_EQ(view.sx, 1.1f);
    EXPECT_FLOAT_EQ(view.sy, 1.1f);
    // The origin keeps its place in the window.
    EXPECT_FLOAT_EQ(view.tx, 2.0f);

    view.zoomX = false;
    MouseMove2d(input, view, rec, true, Mouse({p.x, p.y}, true, true));
    EXPECT_FLOAT_EQ(view.sx, 1.1f);
    EXPECT_FLOAT_EQ(view.sy, 1.1f * 0.9f);
    EXPECT_FLOAT_EQ(view.contactBarThickness, 0.2f / view.sy);
}

// One long move downwards used to make the factor 0 or negative, flattening or mirroring the
// cross-section; it is held at a tenth.
TEST_F(Gestures2d, AZoomDragNeverFlattensOrMirrorsTheDevice)
{
    const CClientPoint p = At(3, 3);
    RightButtonDown2d(input, view, rec, Mouse(p, false, true));
    LeftButtonDown2d(input, view, rec, Mouse(p, true, true));
    MouseMove2d(input, view, rec, true, Mouse({p.x, p.y + 300}, true, true));
    EXPECT_FLOAT_EQ(view.sx, kLeastZoomFactor);
    EXPECT_FLOAT_EQ(view.sy, kLeastZoomFactor);
    for (int k = 2; k < 8; ++k) MouseMove2d(input, view, rec, true, Mouse({p.x, p.y + 300 * k}, true, true));
    EXPECT_FLOAT_EQ(view.sx, kLeastModelScale);
    EXPECT_GT(view.sy, 0.0f);
}

TEST_F(Gestures2d, EndingAZoomWithTheRightButtonFirstOpensNoMenuButTheNextRightReleaseDoes)
{
    const CClientPoint p = At(3, 8);
    LeftButtonDown2d(input, view, rec, Mouse(p, true));
    RightButtonDown2d(input, view, rec, Mouse(p, true, true));
    MouseMove2d(input, view, rec, true, Mouse({p.x, p.y - 5}, true, true));
    const CInput2dResult up = RightButtonUp2d(input, view, rec, Mouse(p, true));
    EXPECT_FALSE(up.showContextMenu);
    EXPECT_FALSE(up.releaseMouse) << "the left button still holds the mouse";
    EXPECT_EQ(up.cursor, ECursor2d::Pan);
    Release(p);

    RightButtonDown2d(input, view, rec, Mouse(p, false, true));
    const CInput2dResult next = RightButtonUp2d(input, view, rec, Mouse(p, false));
    EXPECT_TRUE(next.showContextMenu);
    EXPECT_TRUE(next.releaseMouse);
    EXPECT_EQ(rec.calls, Calls{"Select -1 -1 -1"}) << "the first press, beside every layer";
}

TEST_F(Gestures2d, LettingGoOfTheRightButtonDuringAZoomGoesOnDraggingTheSelectedLayer)
{
    Press(Centre(0, 0));
    RightButtonDown2d(input, view, rec, Mouse(Centre(0, 0), true, true));
    MouseMove2d(input, view, rec, true, Mouse({Centre(0, 0).x, Centre(0, 0).y - 20}, true, true));
    RightButtonUp2d(input, view, rec, Mouse({Centre(0, 0).x, Centre(0, 0).y - 20}, true));
    // The rectangle is the selected layer's again, at the zoomed scale.
    EXPECT_EQ(input.dragRect.left, ProjectPoint(view, {0, 1}).x);
    rec.calls.clear();
    Move(Centre(1, 0));
    EXPECT_EQ(input.gesture, EGesture2d::LayerDrag);
    Release(Centre(1, 0));
    EXPECT_EQ(rec.calls.front(), "Copy");
}

TEST_F(Gestures2d, ARightPressOnALayerSelectsItAndAsksForModify)
{
    const CInput2dResult r = RightButtonDown2d(input, view, rec, Mouse(Centre(2, 1), false, true));
    EXPECT_TRUE(r.captureMouse);
    EXPECT_EQ(rec.calls, (Calls{"Select 0 2 1", "Modify"}));
    rec.calls.clear();
    RightButtonDown2d(input, view, rec, Mouse(At(3, 8), false, true));
    EXPECT_TRUE(rec.calls.empty());
}

TEST_F(Gestures2d, WithoutZSegmentsTheMouseDoesNothing)
{
    g_nZSegCount = 0;
    const CClientPoint p = Centre(0, 0);
    const CInput2dResult results[] = {
        Press(p),
        Move(p),
        Release(p),
        RightButtonDown2d(input, view, rec, Mouse(p, false, true)),
        RightButtonUp2d(input, view, rec, Mouse(p, false)),
        MouseMove2d(input, view, rec, false, Mouse(p, false)),
    };
    for (const CInput2dResult& r : results) {
        EXPECT_FALSE(r.captureMouse || r.releaseMouse || r.showContextMenu || r.showLayerInfo || r.invalidate);
        EXPECT_EQ(r.prompt, -1);
    }
    EXPECT_TRUE(rec.calls.empty());
    EXPECT_EQ(rec.updates, 0);
}

TEST_F(Gestures2d, AMoveWithoutTheCaptureAsksForHoverInformation)
{
    const CInput2dResult r = MouseMove2d(input, view, rec, false, Mouse(Centre(0, 0), false));
    EXPECT_TRUE(r.showLayerInfo);
    EXPECT_EQ(input.lastPoint.x, Centre(0, 0).x);
    EXPECT_FALSE(r.setProjection);
}

TEST_F(Gestures2d, ZoomInAndOutScaleTheSwitchedOnAxes)
{
    ZoomIn2d(view);
    EXPECT_FLOAT_EQ(view.sx, 1.5f);
    EXPECT_FLOAT_EQ(view.sy, 1.5f);
    view.zoomX = false;
    ZoomOut2d(view);
    EXPECT_FLOAT_EQ(view.sx, 1.5f);
    EXPECT_FLOAT_EQ(view.sy, 1.5f * 0.6666667f);
    EXPECT_FLOAT_EQ(view.contactBarThickness, 0.2f / view.sy);
}

TEST_F(Gestures2d, ResetGoesBackToIdleAndAllowsTheMenu)
{
    input.gesture = EGesture2d::LayerDrag;
    input.contextMenuAllowed = false;
    input.dropTarget = {1, 1};
    ResetInput2d(input);
    EXPECT_EQ(input.gesture, EGesture2d::Idle);
    EXPECT_TRUE(input.contextMenuAllowed);
    EXPECT_FALSE(input.dropTarget.IsSet());
}

// ---- hit test and device coordinate ----

class HitTest2d : public DocFixture {
protected:
    CView2dState view;
    void SetUp() override
    {
        UseZSegments(1);
        AddColumn(0, {"GaAs", "AlAs", "void", "void macro", "InP"});
        LayerAt(0, 0, 1).m_fHeight = 0.01f; // drawn 0.2 tall at scale 1
        SetProjection2d(view, 800, 600);
        doc().PrepareDrawing(true, view.contactBarThickness);
    }
    bool Hit(float x, float y, CLayerRef& hit) { return HitTestLayer2d(view, Seg(0), ProjectPoint(view, {x, y}), hit); }
};

TEST_F(HitTest2d, FindsTheLayerUnderAPointAndSkipsOnlyPlainVoidLayers)
{
    const CLayerRec& top = LayerAt(0, 0, 4);
    struct Probe {
        const char* what;
        float x, y;
        bool hit;
        int row;
    } probes[] = {
        {"row 0", 1, 0.5f, true, 0},
        {"the thin layer, drawn at the least thickness", 1, 1.1f, true, 1},
        {"a plain void layer", 1, LayerAt(0, 0, 2).m_C.y + 0.5f, false, -1},
        {"a void macro layer", 1, LayerAt(0, 0, 3).m_C.y + 0.5f, true, 3},
        {"the top layer", 1, (top.m_A.y + top.m_C.y) / 2, true, 4},
        {"right of the column", 2.5f, 0.5f, false, -1},
        {"above the device", 1, top.m_A.y + 1, false, -1},
    };
    for (const Probe& p : probes) {
        CLayerRef hit;
        EXPECT_EQ(Hit(p.x, p.y, hit), p.hit) << p.what;
        if (p.hit) {
            EXPECT_EQ(hit, (CLayerRef{0, p.row})) << p.what;
        }
    }
}

TEST_F(HitTest2d, APixelOnTheLineBetweenTwoRowsBelongsToOneOfThem)
{
    const CClientPoint line = ProjectPoint(view, {1, 1});
    int hits = 0;
    for (int dy : {-1, 0, 1}) {
        CLayerRef hit;
        hits += HitTestLayer2d(view, Seg(0), {line.x, line.y + dy}, hit);
    }
    EXPECT_EQ(hits, 3) << "no gap between the rows";
    CLayerRef above, below;
    ASSERT_TRUE(HitTestLayer2d(view, Seg(0), {line.x, line.y - 1}, above));
    ASSERT_TRUE(HitTestLayer2d(view, Seg(0), {line.x, line.y + 1}, below));
    EXPECT_EQ(above.row, 1);
    EXPECT_EQ(below.row, 0);
}

TEST_F(HitTest2d, TheDeviceCoordinateCountsTrueThicknessesBelowTheCursor)
{
    // The third non-void layer from the bottom (row 3, above the plain void row 2): the two lower
    // thicknesses (1 and 0.01; the void row counts nothing) plus the fraction of the third.
    const CLayerRec& layer = LayerAt(0, 0, 3);
    const float y = layer.m_C.y + 0.25f * (layer.m_A.y - layer.m_C.y);
    const CClientPoint p = ProjectPoint(view, {1, y});
    const CModelPoint at = DeviceCoordinate2d(view, &Seg(0), p, {0, 3});
    const CModelPoint model = UnProjectPoint(view, p);
    EXPECT_FLOAT_EQ(at.x, model.x);
    EXPECT_NEAR(at.y, 1.01f + (model.y - layer.m_C.y), 1e-5);
    EXPECT_NEAR(at.y, 1.26f, 0.03f);
    // Over no layer the model point itself; without a z-segment (0, 0).
    const CModelPoint off = DeviceCoordinate2d(view, &Seg(0), p, {});
    EXPECT_FLOAT_EQ(off.y, model.y);
    const CModelPoint none = DeviceCoordinate2d(view, nullptr, p, {0, 3});
    EXPECT_FLOAT_EQ(none.x, 0.0f);
    EXPECT_FLOAT_EQ(none.y, 0.0f);
}

} // namespace
