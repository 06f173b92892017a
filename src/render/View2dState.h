#pragma once
// The 2-D view's projection state and the pure conversions on it. Nothing here needs a window
// or a GL context: the matrices are computed here and only loaded into GL by LoadProjection2d,
// so fitting, hit testing and the back grid can be worked out (and tested) without drawing.

// A rectangle in model units, y growing upwards, in the order the views keep it.
struct CModelRect {
    float top = 0, left = 0, right = 0, bottom = 0;
};

// The rectangle of four floats (top, left, right, bottom) that the records give.
CModelRect ModelRectOf(const float rect[4]);

// A rectangle in window pixels, origin at the upper-left corner, y growing downwards.
struct CClientRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct CModelPoint {
    float x = 0, y = 0;
};

struct CClientPoint {
    int x = 0, y = 0;
};

// The visible height of the 2-D view in projection units, whatever the window size.
constexpr double kView2dHeight = 16.0;

struct CView2dState {
    // Translation (projection units) and scales of the model.
    float tx = 2.0f, ty = 2.0f;
    float sx = 1.0f, sy = 1.0f;
    // Which axes the zoom gestures and commands change.
    bool zoomX = true, zoomY = true;
    // Contact bars and thin layers are kept 0.2 projection units tall on screen.
    float contactBarThickness = 1.0f;
    // Client area and the matrices last set by SetProjection2d.
    int clientWidth = 0, clientHeight = 0;
    int viewport[4] = {0, 0, 0, 0};
    double projection[16] = {};
    double modelview[16] = {};
};

// Back to the values a view starts a new document with: translation 2, 2, scales 1, both axes zoom.
void ResetView2d(CView2dState& view);

// Sets viewport, contact-bar thickness and both matrices for a client area of w x h pixels:
// an orthographic projection 16 units high and 16 w / h wide, then translate(tx, ty), scale(sx, sy).
void SetProjection2d(CView2dState& view, int width, int height);

// Loads the viewport and matrices of the state into the current GL context.
void LoadProjection2d(const CView2dState& view);

// Model point (at z 0) to window pixels and back, with the state's matrices.
CClientPoint ProjectPoint(const CView2dState& view, CModelPoint world);
CModelPoint UnProjectPoint(const CView2dState& view, CClientPoint client);
// (left, top) and (right, bottom) projected as the first and the second corner.
CClientRect WorldRectToClient(const CView2dState& view, const CModelRect& world);
// First corner to (left, top), second corner to (right, bottom).
CModelRect ClientRectToWorld(const CView2dState& view, const CClientRect& client);

// True when the rectangle has no extent in either direction.
bool IsDegenerate(const CModelRect& rect);

// One step of the fit: scales and translation so that `target` fills 80 % of the client area in
// its limiting direction, centred (with a selection only the centring, the scales stay), then
// SetProjection2d. Returns false and changes nothing when there is nothing to fit. The caller
// runs it three times, refreshing the target between the steps, because the drawn thickness of
// thin layers follows the scale.
bool FitStep2d(CView2dState& view, const CModelRect& target, bool keepScales);
