#include "views/ViewCursors.h"

wxCursor ZoomCursor() { return wxCursor(wxCURSOR_MAGNIFIER); }

wxCursor MoveCursor() { return wxCursor(wxCURSOR_SIZING); }

wxCursor RotateCursor() { return wxCursor(wxCURSOR_CROSS); }
