#include "app/ToolBarArt.h"

#include "CommandIds.h"

#include <wx/dcmemory.h>

namespace {

const wxColour kBackground(192, 192, 192);  // becomes transparent through the mask
const wxColour kInk(0, 0, 0);
const wxColour kLayer(255, 200, 120);
const wxColour kColumn(120, 170, 255);
const wxColour kSlab(150, 210, 150);
const wxColour kPlus(0, 140, 0);
const wxColour kCross(200, 0, 0);

void Box(wxDC& dc, int x, int y, int w, int h, const wxColour& fill)
{
    dc.SetPen(wxPen(kInk));
    dc.SetBrush(wxBrush(fill));
    dc.DrawRectangle(x, y, w, h);
}

void Plus(wxDC& dc, int cx, int cy)
{
    dc.SetPen(wxPen(kPlus, 2));
    dc.DrawLine(cx - 3, cy, cx + 4, cy);
    dc.DrawLine(cx, cy - 3, cx, cy + 4);
}

void Cross(wxDC& dc, int cx, int cy)
{
    dc.SetPen(wxPen(kCross, 2));
    dc.DrawLine(cx - 3, cy - 3, cx + 3, cy + 3);
    dc.DrawLine(cx - 3, cy + 3, cx + 3, cy - 3);
}

void Clipboard(wxDC& dc)
{
    Box(dc, 1, 2, 9, 12, wxColour(200, 160, 100));
    Box(dc, 3, 1, 5, 3, wxColour(240, 240, 240));
}

void Magnifier(wxDC& dc)
{
    dc.SetPen(wxPen(kInk, 2));
    dc.SetBrush(wxBrush(wxColour(220, 240, 255)));
    dc.DrawCircle(6, 6, 5);
    dc.DrawLine(10, 10, 14, 14);
    dc.SetPen(wxPen(kInk, 1));
}

void Arrow(wxDC& dc, bool left)
{
    dc.SetPen(wxPen(wxColour(0, 0, 160), 2));
    dc.DrawLine(3, 9, 13, 9);
    const int tip = left ? 2 : 13, back = left ? 6 : 9;
    dc.DrawLine(tip, 9, back, 5);
    dc.DrawLine(tip, 9, back, 13);
    dc.DrawLine(left ? 13 : 3, 9, left ? 13 : 3, 4);
}

void Slab(wxDC& dc, const wxColour& fill)
{
    const wxPoint p[] = {{1, 5}, {6, 1}, {14, 1}, {9, 5}};
    dc.SetPen(wxPen(kInk));
    dc.SetBrush(wxBrush(fill));
    dc.DrawPolygon(4, p);
    dc.DrawRectangle(1, 5, 9, 8);
}

void Draw(wxDC& dc, int id)
{
    switch (id) {
    case ID_FILE_NEW: {
        const wxPoint p[] = {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}};
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawPolygon(5, p);
        dc.DrawLine(10, 1, 10, 4);
        dc.DrawLine(10, 4, 13, 4);
        break;
    }
    case ID_FILE_OPEN: {
        Box(dc, 1, 4, 11, 9, wxColour(230, 200, 80));
        const wxPoint p[] = {{3, 7}, {15, 7}, {12, 13}, {1, 13}};
        dc.SetBrush(wxBrush(wxColour(250, 225, 120)));
        dc.DrawPolygon(4, p);
        break;
    }
    case ID_FILE_SAVE:
        Box(dc, 1, 1, 14, 13, wxColour(60, 90, 180));
        Box(dc, 4, 1, 8, 5, *wxWHITE);
        Box(dc, 4, 9, 8, 5, wxColour(200, 200, 200));
        break;
    case ID_EDIT_UNDO: Arrow(dc, true); break;
    case ID_EDIT_REDO: Arrow(dc, false); break;
    case ID_COLUMN_NEW: Box(dc, 2, 1, 6, 13, kColumn); Plus(dc, 11, 7); break;
    case ID_COLUMN_CUT: Box(dc, 2, 1, 6, 13, kColumn); Cross(dc, 11, 7); break;
    case ID_COLUMN_COPY: Box(dc, 2, 1, 6, 11, kColumn); Box(dc, 7, 3, 6, 11, kColumn); break;
    case ID_COLUMN_PASTE: Clipboard(dc); Box(dc, 9, 4, 5, 10, kColumn); break;
    case ID_LAYER_NEW: Box(dc, 1, 7, 10, 5, kLayer); Plus(dc, 11, 3); break;
    case ID_LAYER_CUT: Box(dc, 1, 7, 10, 5, kLayer); Cross(dc, 12, 3); break;
    case ID_LAYER_COPY: Box(dc, 1, 3, 10, 5, kLayer); Box(dc, 5, 8, 10, 5, kLayer); break;
    case ID_LAYER_PASTE: Clipboard(dc); Box(dc, 6, 8, 9, 5, kLayer); break;
    case ID_LAYER_PASTE_MATERIAL:
        Clipboard(dc);
        Box(dc, 6, 8, 9, 5, kLayer);
        dc.SetPen(wxPen(kInk));
        for (int x = 8; x < 15; x += 2)
            dc.DrawLine(x, 9, x - 2, 12);
        break;
    case ID_MOVE_SCENE:
        dc.SetPen(wxPen(kInk, 2));
        dc.DrawLine(8, 1, 8, 14);
        dc.DrawLine(1, 7, 15, 7);
        dc.SetPen(wxPen(kInk, 1));
        dc.DrawLine(8, 0, 5, 3), dc.DrawLine(8, 0, 11, 3);
        dc.DrawLine(8, 14, 5, 11), dc.DrawLine(8, 14, 11, 11);
        dc.DrawLine(0, 7, 3, 4), dc.DrawLine(0, 7, 3, 10);
        dc.DrawLine(15, 7, 12, 4), dc.DrawLine(15, 7, 12, 10);
        break;
    case ID_ZOOM_IN: Magnifier(dc); dc.DrawLine(4, 6, 9, 6); dc.DrawLine(6, 4, 6, 9); break;
    case ID_ZOOM_OUT: Magnifier(dc); dc.DrawLine(4, 6, 9, 6); break;
    case ID_ZOOM_ORIGIN: Magnifier(dc); dc.SetBrush(*wxTRANSPARENT_BRUSH); dc.DrawRectangle(4, 4, 5, 5); break;
    case ID_ZSEG_NEW: Slab(dc, kSlab); Plus(dc, 12, 10); break;
    case ID_ZSEG_DELETE: Slab(dc, kSlab); Cross(dc, 12, 10); break;
    case ID_VIEW_PARALLEL:
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(1, 5, 9, 9), dc.DrawRectangle(5, 1, 9, 9);
        dc.DrawLine(1, 5, 5, 1), dc.DrawLine(9, 5, 13, 1), dc.DrawLine(1, 13, 5, 9), dc.DrawLine(9, 13, 13, 9);
        break;
    case ID_VIEW_PERSPECTIVE: {
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(1, 3, 10, 10);
        dc.DrawRectangle(8, 5, 5, 5);
        dc.DrawLine(1, 3, 8, 5), dc.DrawLine(10, 3, 12, 5), dc.DrawLine(1, 12, 8, 9), dc.DrawLine(10, 12, 12, 9);
        break;
    }
    case ID_VIEW_DISTANCE:
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawEllipse(1, 3, 8, 6);
        dc.SetBrush(*wxBLACK_BRUSH);
        dc.DrawCircle(5, 6, 1);
        dc.DrawLine(8, 12, 15, 12), dc.DrawLine(8, 12, 10, 10), dc.DrawLine(15, 12, 13, 10);
        break;
    default: Box(dc, 2, 2, 12, 11, *wxWHITE); break;
    }
}

}  // namespace

wxBitmap ToolBarBitmap(int commandId)
{
    wxBitmap bitmap(kToolBitmapWidth, kToolBitmapHeight, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(kBackground));
        dc.Clear();
        Draw(dc, commandId);
    }
    bitmap.SetMask(new wxMask(bitmap, kBackground));
    return bitmap;
}
