#include "render/StencilEdges.h"

#include <GL/gl.h>

void MarkStencil()
{
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
}

void BeginMaskedSmoothEdges()
{
    glDisable(GL_LIGHTING);
    glStencilFunc(GL_NOTEQUAL, 1, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glLineWidth(1.5f);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}
