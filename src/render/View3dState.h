#pragma once
// The 3-D view's camera as pure state: rotation, pan, projection zoom, model scales, eye distance,
// the parallel or perspective projection and the fit to the device. Nothing here needs a window or
// a GL context: the matrices are computed here and only loaded into GL by LoadProjection3d, so the
// fit, the projection and every camera command can be worked out (and tested) without drawing.

#include <functional>

// What a mouse gesture is doing; the numbers are the ones the view has always used.
enum class EGesture3d { Move = 0, Zoom = 1, Idle = 3, Rotate = 4 };

struct CView3dState {
    // Last mouse points (client pixels) of a rotation and of a move or zoom.
    int rotationPoint[2] = {0, 0};
    int movePoint[2] = {0, 0};
    // Shift of the camera window in model units (the plane through the origin moves by -tx, -ty).
    float tx = 0.0f, ty = 0.0f;
    // The eye stands eyeFactor x dist in front of the origin.
    float eyeFactor = 5.0f;
    // Turn of the solid in degrees, about x and then about y.
    float rotationX = 0.0f, rotationY = 0.0f;
    // Divide the visible width and height.
    float zoomX = 1.0f, zoomY = 1.0f;
    // Which axes the zoom commands and the zoom gesture change.
    bool zoomSwitchX = true, zoomSwitchY = true, zoomSwitchZ = true;
    // The camera distance: at zoom 1 half the visible height in the plane through the origin.
    double dist = 10.0;
    double nearPlane = 0.0, farPlane = 0.0;
    EGesture3d gesture = EGesture3d::Idle;
    // Thickness of contact and side-contact bars, and the least shown layer thickness in
    // thin-layer mode; one hundredth of the visible height once projected.
    float contactBarThickness = 5.0f;
    bool parallel = false;
    // Layers thinner than a contact bar are shown that thick.
    bool thinLayers = false;
    float scaleX = 1.0f, scaleY = 1.0f, scaleZ = 1.0f;

    // Client area and the matrices last set by SetProjection3d.
    int clientWidth = 0, clientHeight = 0;
    int viewport[4] = {0, 0, 0, 0};
    double projection[16] = {};
    double modelview[16] = {};
};

// The fit of Zoom Origin. `segmentsInUse` is the number of z-segments in use and `length` the
// device's z length (last "z to" minus first "z from"); `deviceSize` returns the largest
// cross-section extent with the state as it stands when called (the contact-bar thickness it
// gives decides how thin layers are laid out), and is called twice, as the fit changes that
// thickness in between. The projection is not rebuilt: the caller runs SetProjection3d.
void ZoomOrigin3d(CView3dState& view, int segmentsInUse, double length, const std::function<float()>& deviceSize);

// Viewport, contact-bar thickness and both matrices for a client area of w x h pixels: an
// orthographic box or a frustum whose plane through the origin shows a half height of
// dist / zoomY, shifted by (-tx, -ty), and the eye eyeFactor x dist in front of the origin.
void SetProjection3d(CView3dState& view, int width, int height);

// Loads the viewport and matrices of the state into the current GL context.
void LoadProjection3d(const CView3dState& view);

// Zoom In and Zoom Out: the switched-on axes (x, y) zoom by 1.5 (or 2/3) with the pan scaled the
// other way, so the world origin keeps its place in the window. The projection is not rebuilt.
void ZoomIn3d(CView3dState& view);
void ZoomOut3d(CView3dState& view);

// Rotation about x is kept within -90..90 degrees, rotation about y brought back once into 0..360.
void ClampRotation3d(CView3dState& view);

// The View Point Distance dialog edits the eye factor as a whole number of tenths.
int EyeFactorToDialogValue(float eyeFactor);
float EyeFactorFromDialogValue(int value);
