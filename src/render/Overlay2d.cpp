#include "render/Overlay2d.h"

#include <GL/gl.h>

namespace {

constexpr int kFrameWidth = 2;

// Window pixels with y upwards, as OpenGL counts them, nothing else in force.
void BeginPixelDrawing(const CView2dState& view)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_BLEND);
    glViewport(0, 0, view.clientWidth, view.clientHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, view.clientWidth, 0, view.clientHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void EndPixelDrawing()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

// The pixels from (left, top) up to, not including, (right, bottom) of the window.
void FillPixels(const CView2dState& view, int left, int top, int right, int bottom)
{
    const int h = view.clientHeight;
    glVertex2i(left, h - top);
    glVertex2i(left, h - bottom);
    glVertex2i(right, h - bottom);
    glVertex2i(right, h - top);
}

} // namespace

void DrawDragRectangle2d(const CView2dState& view, const CClientRect& rect)
{
    BeginPixelDrawing(view);
    glColor3ub(0, 0, 0);
    glBegin(GL_QUADS);
    FillPixels(view, rect.left, rect.top, rect.right, rect.top + kFrameWidth);
    FillPixels(view, rect.left, rect.bottom - kFrameWidth, rect.right, rect.bottom);
    FillPixels(view, rect.left, rect.top, rect.left + kFrameWidth, rect.bottom);
    FillPixels(view, rect.right - kFrameWidth, rect.top, rect.right, rect.bottom);
    glEnd();
    EndPixelDrawing();
}

void DrawClientImage2d(const CView2dState& view, int x, int y, int width, int height, const unsigned char* rgb)
{
    if (!rgb || width <= 0 || height <= 0 || x >= view.clientWidth || y >= view.clientHeight) return;
    BeginPixelDrawing(view);
    // A raster position must lie inside the window to count; it is set on the first pixel's
    // centre and moved by half a pixel to the image's corner.
    const int firstX = x < 0 ? 0 : x, firstY = y < 0 ? 0 : y;
    glRasterPos2d(firstX + 0.5, view.clientHeight - firstY - 0.5);
    glBitmap(0, 0, 0, 0, -0.5f, 0.5f, nullptr);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, width);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, firstX - x);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, firstY - y);
    glPixelZoom(1.0f, -1.0f);
    glDrawPixels(width - (firstX - x), height - (firstY - y), GL_RGB, GL_UNSIGNED_BYTE, rgb);
    glPixelZoom(1.0f, 1.0f);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    EndPixelDrawing();
}
