#pragma once
// A frame holding only a 2-D view, on a document whose only z-segment is the drawing fixture
// (tests/render/DrawingFixture.h), and what the view draws, read from its own frame.

#include "document/TessaronDoc.h"
#include "render/View2dState.h"

#include <ostream>

class CGL2dView;
class wxFrame;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

void PrintTo(const Rgb& c, std::ostream* os);

// What the view draws at a client point, read from its own frame: another window lying over it
// on the screen (one left by an earlier test of the same process) does not count.
Rgb ViewPixel(CGL2dView* view, CClientPoint p);

// The colour table's entry for a colour index.
Rgb Colour(int index);

class ViewWindow {
public:
    // Shows the frame and lets it settle (the view's first timer ticks run).
    ViewWindow();
    ~ViewWindow();
    CGL2dView& View() { return *m_view; }
    CTessaronDoc& Doc() { return m_doc; }
    wxFrame* Frame() { return m_frame; }

    // What the view draws at a model point.
    Rgb ModelPixel(float x, float y);

private:
    CTessaronDoc m_doc;
    wxFrame* m_frame;
    CGL2dView* m_view;
};
