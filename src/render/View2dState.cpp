#include "render/View2dState.h"
#include "render/ProjectionMatrix.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

CModelRect ModelRectOf(const float rect[4])
{
    CModelRect r;
    r.top = rect[0];
    r.left = rect[1];
    r.right = rect[2];
    r.bottom = rect[3];
    return r;
}

void ResetView2d(CView2dState& view)
{
    view.tx = view.ty = 2.0f;
    view.sx = view.sy = 1.0f;
    view.zoomX = view.zoomY = true;
}

void SetProjection2d(CView2dState& view, int width, int height)
{
    // A window squeezed to nothing still gets a usable projection.
    width = std::max(width, 1);
    height = std::max(height, 1);
    view.clientWidth = width;
    view.clientHeight = height;
    view.viewport[0] = 0;
    view.viewport[1] = 0;
    view.viewport[2] = width;
    view.viewport[3] = height;
    view.contactBarThickness = 0.2f / view.sy;

    OrthoMatrix(view.projection, 0.0, kView2dHeight * width / height, 0.0, kView2dHeight, -1100.0, 1100.0);

    // translate(tx, ty, 0) * scale(sx, sy, 1)
    IdentityMatrix(view.modelview);
    view.modelview[0] = view.sx;
    view.modelview[5] = view.sy;
    view.modelview[12] = view.tx;
    view.modelview[13] = view.ty;
}

void LoadProjection2d(const CView2dState& view)
{
    LoadViewMatrices(view.viewport, view.projection, view.modelview);
}

CClientPoint ProjectPoint(const CView2dState& view, CModelPoint world)
{
    double wx = 0, wy = 0, wz = 0;
    gluProject(world.x, world.y, 0.0, view.modelview, view.projection, view.viewport, &wx, &wy, &wz);
    return {int(std::trunc(wx + 0.5)), int(std::trunc(view.viewport[3] - wy - 0.5))};
}

CModelPoint UnProjectPoint(const CView2dState& view, CClientPoint client)
{
    double ox = 0, oy = 0, oz = 0;
    gluUnProject(client.x, double(view.viewport[3] - client.y), 0.0, view.modelview, view.projection,
                 view.viewport, &ox, &oy, &oz);
    return {float(ox), float(oy)};
}

CClientRect WorldRectToClient(const CView2dState& view, const CModelRect& world)
{
    CClientPoint a = ProjectPoint(view, {world.left, world.top});
    CClientPoint b = ProjectPoint(view, {world.right, world.bottom});
    return {a.x, a.y, b.x, b.y};
}

CModelRect ClientRectToWorld(const CView2dState& view, const CClientRect& client)
{
    CModelPoint a = UnProjectPoint(view, {client.left, client.top});
    CModelPoint b = UnProjectPoint(view, {client.right, client.bottom});
    CModelRect r;
    r.top = a.y;
    r.left = a.x;
    r.right = b.x;
    r.bottom = b.y;
    return r;
}

bool IsDegenerate(const CModelRect& rect)
{
    return rect.top == rect.bottom && rect.left == rect.right;
}

namespace {

// The same fit as FitStep2d without a selection, computed in projection units: at the visible
// height of 16 units one projection unit is clientHeight / 16 pixels.
bool FitFromModelSize(CView2dState& view, const CModelRect& target)
{
    const double width = double(target.right) - target.left;
    const double height = double(target.top) - target.bottom;
    const double visibleWidth = kView2dHeight * view.clientWidth / view.clientHeight;
    const double kx = width > 0 ? 0.8 * visibleWidth / width : HUGE_VAL;
    const double ky = height > 0 ? 0.8 * kView2dHeight / height : HUGE_VAL;
    const double k = kx < ky ? kx : ky;
    if (!(k > 0) || !std::isfinite(k)) return false;
    view.sx = view.sy = float(k);
    view.tx = float((visibleWidth - width * k) * 0.5 - target.left * k);
    view.ty = float((kView2dHeight - height * k) * 0.5 - target.bottom * k);
    SetProjection2d(view, view.clientWidth, view.clientHeight);
    return true;
}

} // namespace

bool FitStep2d(CView2dState& view, const CModelRect& target, bool keepScales)
{
    if (IsDegenerate(target)) return false;
    const CClientRect c = WorldRectToClient(view, target);
    const double kw = view.clientWidth, kh = view.clientHeight;
    const double cw = c.right - c.left, ch = c.bottom - c.top;
    double ax = 1.0, ay = 1.0;
    if (!keepScales) {
        // Zoomed out so far that the target shrank below a pixel both ways: its rounded size
        // says nothing, so the fit is worked out from its model size instead.
        if (cw <= 0 && ch <= 0) return FitFromModelSize(view, target);
        const double kx = cw > 0 ? 0.8 * kw / cw * view.sx : HUGE_VAL;
        const double ky = ch > 0 ? 0.8 * kh / ch * view.sy : HUGE_VAL;
        const double k = kx < ky ? kx : ky;
        ax = k / view.sx;
        ay = k / view.sy;
        view.sx = view.sy = float(k);
    }
    // Half the margins, in pixels of the present projection.
    const int dx = int(std::trunc((kw - cw * ax) / ax * 0.5 + 0.5));
    const int dy = int(std::trunc((kh - ch * ay) / ay * 0.5 + 0.5));
    const CModelRect w = ClientRectToWorld(view, {0, 0, dx, dy});
    view.tx = (w.right - w.left) * view.sx - target.left * view.sx;
    view.ty = (w.top - w.bottom) * view.sy - target.bottom * view.sy;
    SetProjection2d(view, view.clientWidth, view.clientHeight);
    return true;
}
