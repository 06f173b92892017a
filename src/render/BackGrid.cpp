#include "render/BackGrid.h"

#include <GL/gl.h>

#include <cmath>

std::vector<CGridLine> BackGridLines(const CView2dState& view)
{
    std::vector<CGridLine> lines;
    const CModelRect r = ClientRectToWorld(view, {0, 0, view.clientWidth, view.clientHeight});
    const int i0 = int(std::trunc(r.left * 1.25 - 1));
    const int i1 = int(std::trunc(r.right * 1.25 + 1));
    const int j0 = int(std::trunc(r.bottom * 1.25 - 1));
    const int j1 = int(std::trunc(r.top * 1.25 + 1));
    if (i1 - i0 > 200 || j1 - j0 > 200) return lines;
    // The index decides the colour, also for negative indices (-5 is a black line too).
    for (int j = j0; j < j1; ++j) {
        const float y = float(0.8 * j);
        lines.push_back({r.left - 1, y, r.right + 1, y, j % 5 == 0});
    }
    for (int i = i0; i < i1; ++i) {
        const float x = float(0.8 * i);
        lines.push_back({x, r.bottom - 1, x, r.top + 1, i % 5 == 0});
    }
    return lines;
}

void DrawBackGrid(const std::vector<CGridLine>& lines)
{
    if (lines.empty()) return;
    glLineWidth(0.5f);
    glBegin(GL_LINES);
    for (const CGridLine& line : lines) {
        if (line.major)
            glColor3f(0.0f, 0.0f, 0.0f);
        else
            glColor3f(0.7529412f, 0.7529412f, 0.7529412f);
        glVertex3f(line.x1, line.y1, kGridDepth);
        glVertex3f(line.x2, line.y2, kGridDepth);
    }
    glEnd();
}
