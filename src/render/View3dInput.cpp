#include "render/View3dInput.h"

#include <algorithm>

namespace {

constexpr float kDegreesPerPixel = 0.25f;
constexpr float kDegreesPerKey = 2.0f;

void SetPoint(int point[2], const CMouse3d& mouse)
{
    point[0] = mouse.x;
    point[1] = mouse.y;
}

void Rotate(CView3dState& view, const CMouse3d& mouse)
{
    view.rotationX += float(mouse.y - view.rotationPoint[1]) * kDegreesPerPixel;
    view.rotationY += float(mouse.x - view.rotationPoint[0]) * kDegreesPerPixel;
    ClampRotation3d(view);
    SetPoint(view.rotationPoint, mouse);
}

void Zoom(CView3dState& view, const CMouse3d& mouse)
{
    // Up enlarges, down shrinks; one message of 90 pixels or more down shrinks by the least factor.
    const float f = DragZoomFactor(view.movePoint[1], mouse.y);
    if (view.zoomSwitchX) view.scaleX = ZoomedScale(view.scaleX, f);
    if (view.zoomSwitchY) view.scaleY = ZoomedScale(view.scaleY, f);
    if (view.zoomSwitchZ) view.scaleZ = ZoomedScale(view.scaleZ, f);
}

void Move(CView3dState& view, int clientHeight, const CMouse3d& mouse)
{
    // In the parallel camera the solid follows the mouse exactly in the plane through the origin.
    const double k = 2.0 * view.dist / std::max(clientHeight, 1);
    view.tx += float((mouse.x - view.movePoint[0]) * k / view.zoomX);
    view.ty -= float((mouse.y - view.movePoint[1]) * k / view.zoomY);
}

} // namespace

CInput3dResult LeftButtonDown3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse)
{
    CInput3dResult r;
    view.gesture = EGesture3d::Idle;
    if (segmentsInUse < 1) return r;
    r.showNextStepPrompt = true;
    SetPoint(view.movePoint, mouse);
    SetPoint(view.rotationPoint, mouse);
    r.captureMouse = true;
    r.cursor = mouse.right ? ECursor3d::Zoom : ECursor3d::Move;
    return r;
}

CInput3dResult RightButtonDown3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse)
{
    CInput3dResult r;
    view.gesture = EGesture3d::Idle;
    if (segmentsInUse < 1) return r;
    SetPoint(view.rotationPoint, mouse);
    r.captureMouse = true;
    if (mouse.left) r.cursor = ECursor3d::Zoom;
    return r;
}

namespace {

// A button released while the other one is held: the drag goes on with that button's cursor from
// here; the last button released frees the mouse.
CInput3dResult ButtonUp(CView3dState& view, bool otherHeld, ECursor3d otherCursor, const CMouse3d& mouse)
{
    CInput3dResult r;
    if (otherHeld) {
        r.cursor = otherCursor;
        SetPoint(view.movePoint, mouse);
    } else {
        r.releaseMouse = true;
    }
    return r;
}

} // namespace

CInput3dResult LeftButtonUp3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse)
{
    if (segmentsInUse < 1) return CInput3dResult();
    return ButtonUp(view, mouse.right, ECursor3d::Rotate, mouse);
}

CInput3dResult RightButtonUp3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse)
{
    if (segmentsInUse < 1) return CInput3dResult();
    CInput3dResult r = ButtonUp(view, mouse.left, ECursor3d::Move, mouse);
    // A right click without a drag asks for the menu; a turn or a zoom does not.
    r.showZsegmentMenu = view.gesture != EGesture3d::Zoom && view.gesture != EGesture3d::Rotate;
    return r;
}

CInput3dResult MouseMove3d(CView3dState& view, int segmentsInUse, bool captured, int clientHeight,
                           const CMouse3d& mouse)
{
    CInput3dResult r;
    view.gesture = EGesture3d::Idle;
    if (segmentsInUse < 1 || !captured) return r;
    if (mouse.left && mouse.right)
        view.gesture = EGesture3d::Zoom;
    else if (mouse.left)
        view.gesture = EGesture3d::Move;
    else if (mouse.right)
        view.gesture = EGesture3d::Rotate;

    switch (view.gesture) {
    case EGesture3d::Rotate:
        r.cursor = ECursor3d::Rotate;
        Rotate(view, mouse);
        break;
    case EGesture3d::Zoom: Zoom(view, mouse); break;
    case EGesture3d::Move: Move(view, clientHeight, mouse); break;
    case EGesture3d::Idle: break;
    }
    r.setProjection = true;
    SetPoint(view.movePoint, mouse);
    return r;
}

CInput3dResult KeyDown3d(CView3dState& view, EKey3d key)
{
    switch (key) {
    case EKey3d::Left: view.rotationY -= kDegreesPerKey; break;
    case EKey3d::Right: view.rotationY += kDegreesPerKey; break;
    case EKey3d::Up: view.rotationX -= kDegreesPerKey; break;
    case EKey3d::Down: view.rotationX += kDegreesPerKey; break;
    case EKey3d::Other: break;
    }
    ClampRotation3d(view);
    CInput3dResult r;
    r.setProjection = true;
    return r;
}

std::vector<CPopupItem3d> ZsegmentPopupItems(int thinLayerId, int propertyId, bool thinLayers, int segmentsInUse,
                                             int currentZSeg)
{
    std::vector<CPopupItem3d> items;
    items.push_back({thinLayerId, "Zoom in thin layer", thinLayers});
    items.push_back({propertyId, "Current z-segment property", false});
    items.push_back({0, "", false});
    const std::vector<CPopupItem> entries = ZsegmentPopupEntries(segmentsInUse, currentZSeg);
    items.insert(items.end(), entries.begin(), entries.end());
    return items;
}
