#pragma once
// The cursors of the views' mouse gestures: zoom (both buttons), move (pan, click and drag in the
// 2-D view, the left drag of the 3-D view) and rotate (the 3-D view's right drag).

#include <wx/cursor.h>

wxCursor ZoomCursor();
wxCursor MoveCursor();
wxCursor RotateCursor();
