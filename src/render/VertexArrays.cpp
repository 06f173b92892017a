#include "render/VertexArrays.h"

void AppendVertex(std::vector<float>& xyz, std::vector<unsigned char>& rgb, const CPoint3f& p, float z, CRgb c)
{
    xyz.insert(xyz.end(), {p.x, p.y, z});
    rgb.insert(rgb.end(), {c.r, c.g, c.b});
}

void DrawColouredArrays(GLenum mode, const std::vector<float>& xyz, const std::vector<unsigned char>& rgb)
{
    if (xyz.empty()) return;
    glVertexPointer(3, GL_FLOAT, 0, xyz.data());
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, rgb.data());
    glDrawArrays(mode, 0, GLsizei(xyz.size() / 3));
}
