#pragma once
// The mouse and key gestures of the 3-D view as pure functions on its camera state: a left drag
// moves the solid, a right drag turns it, a drag with both buttons zooms it along the switched-on
// axes, the arrow keys turn it by 2 degrees, and a right click without a drag asks for the
// z-segment menu. Each function says what the window has to do (capture, cursor, menu, prompt,
// projection); the window only carries it out.

#include "render/View3dState.h"
#include "render/ZoomStep.h"
#include "render/ZsegmentPopup.h"

#include <string>
#include <vector>

enum class ECursor3d { Unchanged, Zoom, Move, Rotate };

struct CMouse3d {
    int x = 0, y = 0;       // client pixels
    bool left = false;      // buttons held
    bool right = false;
};

struct CInput3dResult {
    bool captureMouse = false;
    bool releaseMouse = false;
    ECursor3d cursor = ECursor3d::Unchanged;
    bool showNextStepPrompt = false; // next-step prompt 4
    bool showZsegmentMenu = false;
    bool setProjection = false;      // the camera changed
};

// `segmentsInUse` below 1: the mouse only resets the gesture.
CInput3dResult LeftButtonDown3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse);
CInput3dResult RightButtonDown3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse);
CInput3dResult LeftButtonUp3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse);
CInput3dResult RightButtonUp3d(CView3dState& view, int segmentsInUse, const CMouse3d& mouse);
// `captured`: the view holds the mouse capture (a drag started in it).
CInput3dResult MouseMove3d(CView3dState& view, int segmentsInUse, bool captured, int clientHeight,
                           const CMouse3d& mouse);

enum class EKey3d { Left, Right, Up, Down, Other };
// Arrow keys turn the solid by 2 degrees, also without z-segments; every key projects again.
CInput3dResult KeyDown3d(CView3dState& view, EKey3d key);

using CPopupItem3d = CPopupItem;

// "Zoom in thin layer" (with its command id), "Current z-segment property", a separator and
// "z-segment1" ... for every z-segment in use, the current one checked.
std::vector<CPopupItem3d> ZsegmentPopupItems(int thinLayerId, int propertyId, bool thinLayers, int segmentsInUse,
                                             int currentZSeg);
