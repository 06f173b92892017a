#pragma once
// The mouse gestures and the zoom commands of the 2-D view as functions on its projection state
// and its mouse state:
//
//   left press on a layer        selects it (a press on the selected layer clears the selection)
//   left drag of the selection   drags a rectangle of the layer; released over another layer it
//                                copies the layer there, with CTRL it moves it (Layer Copy or Layer
//                                Cut, the target selected, Layer Paste)
//   left drag otherwise, SHIFT   pans: the model point under the cursor follows it
//   both buttons                 zoom: up enlarges, down shrinks
//   right press on a layer       selects it and asks for Layer Modify
//   right release                asks for the z-segment menu, except after a two-button zoom
//   move without a button        hover information for the point
//
// The document is reached through IView2dDocument; what the window has to do (capture, cursor,
// prompt, repaint, menu, hover box) comes back in CInput2dResult. Double clicks and the wheel have
// no gesture: the second press of a double click arrives as a double-click event, not as a press.

#include "render/View2dState.h"
#include "render/ZoomStep.h"

class CZSegment;

// Pan, zoom, layer drag and idle, numbered as they always were.
enum class EGesture2d { Pan = 0, Zoom = 1, LayerDrag = 2, Idle = 3 };

// The zoom gesture's cursor (resource 262) and the pan and click cursor (265).
enum class ECursor2d { Unchanged, Zoom, Pan };

struct CMouse2d {
    int x = 0, y = 0;    // client pixels
    bool left = false;   // buttons held
    bool right = false;
    bool shift = false;  // keys held
    bool ctrl = false;
};

// A layer of the current z-segment by column and row (from 0); -1 for none.
struct CLayerRef {
    int column = -1, row = -1;
    bool IsSet() const { return column >= 0 && row >= 0; }
    bool operator==(const CLayerRef& o) const { return column == o.column && row == o.row; }
    bool operator!=(const CLayerRef& o) const { return !(*this == o); }
};

struct CInput2dState {
    CClientPoint pressPoint;       // the last left or right press
    CClientPoint lastPoint;        // the previous mouse event, for relative moves
    EGesture2d gesture = EGesture2d::Idle;
    bool contextMenuAllowed = true; // cleared by a two-button zoom until the next right release
    CLayerRef dragSource;
    CLayerRef dropTarget;           // the layer under the dragged rectangle's centre
    CLayerRef previousTarget;
    bool overTarget = false;
    CClientRect dragRect;           // the dragged layer's rectangle, normalised, moved with the mouse
};

// What the gestures need of the document. The program hands them the document itself; tests
// record what they ask for.
class IView2dDocument {
public:
    virtual ~IView2dDocument() = default;
    virtual int SegmentsInUse() const = 0;
    // The current z-segment's number (from 1; 0 none) and record (null: none).
    virtual int CurrentSegmentNumber() const = 0;
    virtual const CZSegment* CurrentSegment() const = 0;
    virtual bool HasSelection() const = 0;
    // Lays the layers out as this view draws them; runs before every hit test.
    virtual void PrepareDrawing() = 0;
    // Indices from 0; (-1, -1, -1) clears the selection.
    virtual void SetSelection(int zseg, int column, int row) = 0;
    // The drop-target mark (drawn red) of a layer of the current z-segment.
    virtual void SetDropTarget(CLayerRef layer, bool on) = 0;
    // A document command by its id (resources/CommandIds.h): Layer Copy, Layer Cut, Layer Paste or
    // Layer Modify.
    virtual void SendCommand(int id) = 0;
    // Whether the command's menu item is enabled now: a gesture does nothing the menus would not.
    virtual bool IsCommandEnabled(int id) const = 0;
    virtual void UpdateAllViews() = 0;
};

// What the window has to do after a gesture.
struct CInput2dResult {
    bool captureMouse = false;
    bool releaseMouse = false;
    ECursor2d cursor = ECursor2d::Unchanged;
    int prompt = -1;              // the next-step prompt to show, -1 none
    bool setProjection = false;   // scales or translation changed (already projected in the state)
    bool invalidate = false;      // repaint the whole view
    bool moveDragRect = false;    // repaint the drag rectangle's old and new place
    CClientRect oldDragRect;
    bool showLayerInfo = false;   // hover information for the mouse point
    bool showContextMenu = false; // the z-segment menu (3-D editor only)
};

// The layer of the current z-segment under a window point, skipping layers whose bulk macro is
// exactly "void"; the first hit in column and row order. False when there is none. The caller lays
// the layers out first.
bool HitTestLayer2d(const CView2dState& view, const CZSegment& segment, CClientPoint point, CLayerRef& hit);

// The device coordinate of a window point over layer `over` (which may be none): x is the model x;
// over a layer y is its height above the column's bottom in true thicknesses (the drawn layers
// may be raised to a least thickness), elsewhere the model y.
CModelPoint DeviceCoordinate2d(const CView2dState& view, const CZSegment* segment, CClientPoint point,
                               CLayerRef over);

CInput2dResult LeftButtonDown2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                                const CMouse2d& mouse);
CInput2dResult LeftButtonUp2d(CInput2dState& input, IView2dDocument& doc, const CMouse2d& mouse);
CInput2dResult RightButtonDown2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                                 const CMouse2d& mouse);
CInput2dResult RightButtonUp2d(CInput2dState& input, const CView2dState& view, IView2dDocument& doc,
                               const CMouse2d& mouse);
// `captured`: the view holds the mouse capture (a press in it started a gesture).
CInput2dResult MouseMove2d(CInput2dState& input, CView2dState& view, IView2dDocument& doc, bool captured,
                           const CMouse2d& mouse);
// After every new or opened document: idle, no drag, the context menu allowed.
void ResetInput2d(CInput2dState& input);

// Zoom In and Zoom Out: by 1.5 and by 2/3 along the axes switched on; projected again.
void ZoomIn2d(CView2dState& view);
void ZoomOut2d(CView2dState& view);
